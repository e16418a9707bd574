#include "CizimModulu.h"

#include "Iletiler.h"

#include <QLibrary>

int GanttıÇalıştır(int argc, char* argv[], const RaporKomutu& komut, const QString& klasör)
{
    QLibrary modül(klasör + QStringLiteral("/kavrion-rapor-cizim"));
    const auto giriş = reinterpret_cast<GanttGirişi>(modül.resolve(GanttGirişiAdı));
    if (!giriş)
        return HataBildir(QStringLiteral("Gantt şeması çizilemedi: çizim modülü (kavrion-rapor-cizim) %1 klasöründe "
                                         "bulunamadı ya da yüklenemedi.").arg(klasör));
    return giriş(argc, argv, komut);
}
