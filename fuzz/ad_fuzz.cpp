// The name rule over any text: no "i" or "ı" is left, applying it again changes
// nothing, and digits and blanks pass through as they were.
#include "rules/ProjeKurallari.h"

#include <cstdint>
#include <cstdlib>

namespace {

QString RakamlarVeBoşluklar(const QString& metin)
{
    QString kalan;
    for (QChar c : metin) {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            kalan += c;
    }
    return kalan;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    const QString ad = QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boy));
    const QString büyük = BüyükHarfeÇevir(ad);
    if (büyük.contains(QLatin1Char('i')) || büyük.contains(QChar(0x0131)))
        std::abort();
    if (BüyükHarfeÇevir(büyük) != büyük)
        std::abort();
    if (RakamlarVeBoşluklar(büyük) != RakamlarVeBoşluklar(ad))
        std::abort();
    return 0;
}
