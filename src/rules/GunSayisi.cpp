#include "rules/GunSayisi.h"

#include "rules/BolgeselMetin.h"

#include <limits>

std::optional<qint32> GunSayisiniHesapla(const QDate& baslama, const QDate& bitis)
{
    if (!baslama.isValid() || !bitis.isValid())
        return std::nullopt;
    const qint64 gun = baslama.daysTo(bitis);
    if (gun < std::numeric_limits<qint32>::min() || gun > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(gun);
}

std::optional<qint32> GunSayisiniHesapla(const QString& baslama, const QString& bitis)
{
    return GunSayisiniHesapla(BolgeselMetin::TarihOku(baslama).value_or(QDate()),
                              BolgeselMetin::TarihOku(bitis).value_or(QDate()));
}
