// Dates and whole numbers as the user types them: whatever is accepted must come
// back as the same value once written out in the regional form.
#include "store/BolgeselMetin.h"

#include <QLocale>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    if (boy == 0)
        return 0;
    // The first byte picks the regional settings, the rest is the text typed.
    static const QLocale yereller[] = {QLocale(QLocale::Turkish, QLocale::Turkey),
                                       QLocale(QLocale::English, QLocale::UnitedStates),
                                       QLocale(QLocale::German, QLocale::Germany)};
    QLocale::setDefault(yereller[veri[0] % 3]);
    const QString metin = QString::fromUtf8(reinterpret_cast<const char*>(veri) + 1, qsizetype(boy - 1));

    if (const auto tarih = BölgeselMetin::TarihOku(metin)) {
        if (!tarih->isValid() || tarih->year() < 1 || tarih->year() > 9999)
            std::abort();
        const QString yazılan = BölgeselMetin::TarihYaz(*tarih);
        if (BölgeselMetin::TarihOku(yazılan) != tarih)
            std::abort();
    }
    if (const auto sayı = BölgeselMetin::TamSayıOku(metin)) {
        if (BölgeselMetin::TamSayıOku(QString::number(*sayı)) != sayı
            || BölgeselMetin::TamSayıOku(QLocale().toString(*sayı)) != sayı)
            std::abort();
    }
    return 0;
}
