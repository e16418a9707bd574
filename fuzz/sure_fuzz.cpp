// The leading-number reading and the duration rule over any text: the number is
// never NaN, the rule's output is a regional whole number that the rule keeps as
// it is, and the store reads that text as the same number whenever it fits in 32 bits.
#include "BolgeselGirdi.h"
#include "rules/BolgeselMetin.h"
#include "rules/FaaliyetKurallari.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    if (boy == 0)
        return 0;
    const QString metin = BölgeselGirdi(veri, boy);

    if (std::isnan(ÖndekiSayı(metin)) || std::isnan(SüreSayısı(metin)))
        std::abort();
    const QString sonuç = SüreKuralı(metin);
    const auto değer = BölgeselTamSayı(sonuç);
    if (!değer) {
        // Only a value beyond 64 bits is left as typed.
        if (sonuç != metin || std::fabs(SüreSayısı(metin)) < 9.2e18)
            std::abort();
        return 0;
    }
    if (SüreKuralı(sonuç) != sonuç)
        std::abort();
    if (*değer >= std::numeric_limits<qint32>::min() && *değer <= std::numeric_limits<qint32>::max()
        && BölgeselMetin::TamSayıOku(sonuç) != qint32(*değer))
        std::abort();
    return 0;
}
