#include "ui/project/GunSayisi.h"

#include "store/BolgeselMetin.h"

#include <limits>

std::optional<qint32> GünSayısınıHesapla(const QString& başlama, const QString& bitiş)
{
    const auto ilk = BölgeselMetin::TarihOku(başlama);
    const auto son = BölgeselMetin::TarihOku(bitiş);
    if (!ilk || !son)
        return std::nullopt;
    const qint64 gün = ilk->daysTo(*son);
    if (gün < std::numeric_limits<qint32>::min() || gün > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(gün);
}
