#include "CizimModulu.h"

#include "Iletiler.h"

#include <QLibrary>

int GanttiCalistir(int argc, char* argv[], const RaporKomutu& komut, const QString& klasor)
{
    QLibrary modul(klasor + QStringLiteral("/kavrion-rapor-cizim"));
    const auto giris = reinterpret_cast<GanttGirisi>(modul.resolve(GanttGirisiAdi));
    if (!giris)
        return HataBildir(QStringLiteral("Gantt şeması çizilemedi: çizim modülü (kavrion-rapor-cizim) %1 klasöründe "
                                         "bulunamadı ya da yüklenemedi.").arg(klasor));
    return giris(argc, argv, komut);
}
