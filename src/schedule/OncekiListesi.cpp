#include "schedule/OncekiListesi.h"

QStringList ÖncekiKodları(const QString& liste)
{
    QStringList kodlar;
    QString kalan = liste;
    for (;;) {
        kodlar << kalan.left(1);
        const int virgül = kalan.indexOf(QLatin1Char(','));
        if (virgül < 0)
            return kodlar;
        kalan = kalan.mid(virgül + 1);
    }
}
