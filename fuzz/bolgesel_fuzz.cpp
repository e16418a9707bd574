// Dates and durations as the user types them; the first byte picks tr_TR, en_US or
// de_DE. A date accepted is written back in the regional form as the same date; a
// whole number reads the same in plain and regional digits; the leading number is
// never NaN; the duration rule's output is a regional whole number it keeps as it is,
// and that a save stores as the same number whenever it fits in 32 bits.
#include "Dogrula.h"
#include "rules/BolgeselMetin.h"
#include "rules/FaaliyetKurallari.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    static const QLocale yereller[] = {QLocale(QLocale::Turkish, QLocale::Turkey),
                                       QLocale(QLocale::English, QLocale::UnitedStates),
                                       QLocale(QLocale::German, QLocale::Germany)};
    if (boy == 0)
        return 0;
    QLocale::setDefault(yereller[veri[0] % 3]);
    const QString metin = QString::fromUtf8(reinterpret_cast<const char*>(veri) + 1, qsizetype(boy - 1));

    if (const auto tarih = BölgeselMetin::TarihOku(metin))
        Doğrula(tarih->year() >= 1 && tarih->year() <= 9999 && BölgeselMetin::TarihOku(BölgeselMetin::TarihYaz(*tarih)) == tarih);
    if (const auto sayı = BölgeselMetin::TamSayıOku(metin))
        Doğrula(BölgeselMetin::TamSayıOku(QString::number(*sayı)) == sayı && BölgeselMetin::TamSayıOku(QLocale().toString(*sayı)) == sayı);

    Doğrula(!std::isnan(ÖndekiSayı(metin)) && !std::isnan(SüreSayısı(metin)));
    const QString sonuç = SüreKuralı(metin);
    const auto değer = BölgeselTamSayı(sonuç);
    if (!değer) { // only a value beyond 64 bits is left as typed
        Doğrula(sonuç == metin && std::fabs(SüreSayısı(metin)) >= 9.2e18);
        return 0;
    }
    Doğrula(SüreKuralı(sonuç) == sonuç);
    if (*değer >= std::numeric_limits<qint32>::min() && *değer <= std::numeric_limits<qint32>::max())
        Doğrula(KaydedilecekSüre(sonuç, nullptr) == qint32(*değer));
    return 0;
}
