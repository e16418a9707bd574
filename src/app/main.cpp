#include "app/Baslangic.h"
#include "ui/main/TemelForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    TürkçeArayüzüYükle(uygulama);
    const auto pencere = Başlat(QCoreApplication::applicationDirPath());
    if (!pencere)
        return 1;
    return uygulama.exec();
}
