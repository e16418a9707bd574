#include "CizimModulu.h"

#include "Iletiler.h"

#include <QLibrary>

int GanttiCalistir(int argc, char* argv[], const RaporKomutu& komut, const QString& klasor)
{
    // Beside the program in the build folder and in a portable copy; once installed, in the
    // library folder, found from the program's own place so that any prefix works.
    for (const QString& yer : {klasor, klasor + QStringLiteral("/" KAVRION_MODUL_KLASORU)}) {
        QLibrary modul(yer + QStringLiteral("/kavrion-rapor-cizim"));
        if (const auto giris = reinterpret_cast<GanttGirisi>(modul.resolve(GanttGirisiAdi)))
            return giris(argc, argv, komut);
    }
    return HataBildir(QStringLiteral("%1 çizilemedi: çizim modülü (kavrion-rapor-cizim) %2 klasöründe "
                                     "bulunamadı ya da yüklenemedi.")
                          .arg(komut.tur == RaporKomutu::Tur::Ag ? QStringLiteral("Ağ diyagramı")
                                                                  : QStringLiteral("Gantt şeması"),
                               klasor));
}
