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

    if (const auto tarih = BolgeselMetin::TarihOku(metin))
        Dogrula(tarih->year() >= 1 && tarih->year() <= 9999 && BolgeselMetin::TarihOku(BolgeselMetin::TarihYaz(*tarih)) == tarih);
    if (const auto sayi = BolgeselMetin::TamSayiOku(metin))
        Dogrula(BolgeselMetin::TamSayiOku(QString::number(*sayi)) == sayi && BolgeselMetin::TamSayiOku(QLocale().toString(*sayi)) == sayi);

    Dogrula(!std::isnan(OndekiSayi(metin)) && !std::isnan(SureSayisi(metin)));
    const QString sonuc = SureKurali(metin);
    const auto deger = BolgeselTamSayi(sonuc);
    if (!deger) { // only a value beyond 64 bits is left as typed
        Dogrula(sonuc == metin && std::fabs(SureSayisi(metin)) >= 9.2e18);
        return 0;
    }
    Dogrula(SureKurali(sonuc) == sonuc);
    if (*deger >= std::numeric_limits<qint32>::min() && *deger <= std::numeric_limits<qint32>::max())
        Dogrula(KaydedilecekSure(sonuc, nullptr) == qint32(*deger));
    return 0;
}
