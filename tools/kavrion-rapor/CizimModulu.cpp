#include "CizimModulu.h"

#include "Iletiler.h"

#include <QLibrary>

int GanttıÇalıştır(int argc, char* argv[], const RaporKomutu& komut, const QString& klasör)
{
    QLibrary modül(klasör + QStringLiteral("/kavrion-rapor-cizim"));
    const auto giriş = reinterpret_cast<GanttGirişi>(modül.resolve(GanttGirişiAdı));
    if (!giriş)
        return HataBildir(QStringLiteral("çizim modülü yüklenemedi: %1").arg(modül.errorString()));
    return giriş(argc, argv, komut);
}
