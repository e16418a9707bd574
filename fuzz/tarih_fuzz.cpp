// Dates and whole numbers as the user types them: whatever is accepted must come
// back as the same value once written out in the regional form.
#include "BolgeselGirdi.h"
#include "rules/BolgeselMetin.h"

#include <QLocale>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    if (boy == 0)
        return 0;
    const QString metin = BölgeselGirdi(veri, boy);

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
