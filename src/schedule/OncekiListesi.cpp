#include "schedule/OncekiListesi.h"

QStringList ÖncekiKodları(const QString& liste)
{
    QStringList kodlar;
    kodlar.reserve(liste.count(QLatin1Char(',')) + 1);
    ÖncekiKodlarınıGez(liste, [&](QStringView kod) { kodlar << kod.toString(); });
    return kodlar;
}
