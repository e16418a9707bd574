#include "rules/GunSayisi.h"

#include "rules/BolgeselMetin.h"

#include <limits>

std::optional<qint32> GünSayısınıHesapla(const QDate& başlama, const QDate& bitiş)
{
    if (!başlama.isValid() || !bitiş.isValid())
        return std::nullopt;
    const qint64 gün = başlama.daysTo(bitiş);
    if (gün < std::numeric_limits<qint32>::min() || gün > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(gün);
}

std::optional<qint32> GünSayısınıHesapla(const QString& başlama, const QString& bitiş)
{
    return GünSayısınıHesapla(BölgeselMetin::TarihOku(başlama).value_or(QDate()),
                              BölgeselMetin::TarihOku(bitiş).value_or(QDate()));
}
