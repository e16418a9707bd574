#include "app/Baslangic.h"
#include "app/TekSurec.h"
#include "ui/main/TemelForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    // Many planners share a server: the one-process rule is the file's.
    if (const auto sunucu = SunucuArgumani(QCoreApplication::arguments())) {
        TurkceArayuzuYukle(uygulama);
        const auto pencere = SunucuylaBaslat(*sunucu);
        return pencere ? uygulama.exec() : 1;
    }
    const QString klasor = QCoreApplication::applicationDirPath();
    TekSurec tekSurec(VeritabaniYolu(klasor));
    if (tekSurec.BaskasiAcik())
        return 0;
    TurkceArayuzuYukle(uygulama);
    const auto pencere = Baslat(klasor);
    if (!pencere)
        return 1;
    tekSurec.OneGetirilecek(pencere.get());
    return uygulama.exec();
}
