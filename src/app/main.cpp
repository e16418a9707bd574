#include "app/Baslangic.h"
#include "app/TekSurec.h"
#include "ui/main/TemelForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
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
