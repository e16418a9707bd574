#include "kernel/OncekiListesi.h"

QStringList OncekiKodlari(const QString& liste)
{
    QStringList kodlar;
    kodlar.reserve(liste.count(QLatin1Char(',')) + 1);
    OncekiKodlariniGez(liste, [&](QStringView kod) { kodlar << kod.toString(); });
    return kodlar;
}
