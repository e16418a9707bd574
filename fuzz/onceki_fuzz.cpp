// The predecessor walk over any text: it ends, visits one code per comma plus one,
// each at most one character, and gives a well-formed list back as it was.
#include "schedule/OncekiListesi.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    const QString liste = QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boy));
    const QStringList kodlar = ÖncekiKodları(liste);
    if (kodlar.size() != liste.count(QLatin1Char(',')) + 1)
        std::abort();
    bool düzgün = true;
    for (const QString& kod : kodlar) {
        if (kod.size() > 1)
            std::abort();
        düzgün = düzgün && kod.size() == 1 && kod != QLatin1String(",");
    }
    // "A,C,B": codes of one character joined by single commas read back unchanged.
    const QStringList parçalar = liste.split(QLatin1Char(','));
    for (const QString& parça : parçalar)
        düzgün = düzgün && parça.size() == 1;
    if (düzgün && kodlar.join(QLatin1Char(',')) != liste)
        std::abort();
    return 0;
}
