#include "app/Baslangic.h"
#include "app/TekSurec.h"
#include "ui/main/TemelForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    const QString klasör = QCoreApplication::applicationDirPath();
    TekSüreç tekSüreç(VeritabanıYolu(klasör));
    if (tekSüreç.BaşkasıAçık())
        return 0;
    TürkçeArayüzüYükle(uygulama);
    const auto pencere = Başlat(klasör);
    if (!pencere)
        return 1;
    tekSüreç.ÖneGetirilecek(pencere.get());
    return uygulama.exec();
}
