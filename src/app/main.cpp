#include "app/Baslangic.h"
#include "app/TekSurec.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    // Many planners share a server: the one-process rule is the file's.
    if (const auto sunucu = SunucuArgumani(QCoreApplication::arguments())) {
        TurkceArayuzuYukle(uygulama);
        const auto acik = SunucuylaBaslat(*sunucu);
        return acik ? uygulama.exec() : 1;
    }
    const QString klasor = QCoreApplication::applicationDirPath();
    TekSurec tekSurec(VeritabaniYolu(klasor));
    if (tekSurec.BaskasiAcik())
        return 0;
    TurkceArayuzuYukle(uygulama);
    const auto acik = Baslat(klasor);
    if (!acik)
        return 1;
    tekSurec.OneGetirilecek(&acik->pencere);
    return uygulama.exec();
}
