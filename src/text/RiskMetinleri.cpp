#include "text/RiskMetinleri.h"

#include "text/CizelgeMetinleri.h"

#include <QLocale>
#include <cmath>

namespace {

QString GunMetni(double gun)
{
    return gun == std::floor(gun) ? QLocale().toString(qint64(gun)) : QLocale().toString(gun, 'f', 1);
}

} // namespace

namespace RiskMetinleri {

QString BenzetimCumlesi(const RiskAyarlari& ayarlar, int yineleme)
{
    return QStringLiteral("Benzetim: %1 yineleme, tohum %2, %3 dağılımı.")
        .arg(QLocale().toString(yineleme), QString::number(ayarlar.tohum),
             ayarlar.dagilim == Dagilim::Ucgen ? QStringLiteral("üçgen") : QStringLiteral("beta-PERT"));
}

QString BirlesmeCumlesi(const RiskSonucu& sonuc)
{
    if (sonuc.yineleme == 0)
        return QString();
    const qint64 plan = sonuc.deterministikF;
    const QString planGunu = QLocale().toString(plan);
    if (sonuc.p50 == double(plan))
        return QStringLiteral("Plan %1 günde bitiyor; benzetimlerin ortancası da %1 gün: yolların birleştiği "
                              "yerlerde gecikme birikmiyor.")
            .arg(planGunu);
    // At least half of the samples lie at or above P50, and at least half at or below it;
    // the day said is rounded to a tenth away from P50's side, so the sentence stays true.
    if (sonuc.p50 > plan) {
        const double gun = std::floor(sonuc.p50 * 10) / 10;
        const QString sonu = gun > plan
                                 ? QStringLiteral("%1 günden önce bitmiyor.").arg(GunMetni(gun))
                                 : QStringLiteral("%1 günden sonra bitiyor.").arg(planGunu);
        return QStringLiteral("Plan %1 günde bitiyor görünüyor; ama yolların birleştiği yerlerde gecikmeler "
                              "birikir: benzetimlerin en az yarısında proje ")
                   .arg(planGunu) + sonu;
    }
    const double gun = std::ceil(sonuc.p50 * 10) / 10;
    const QString sonu = gun < plan ? QStringLiteral("%1 gün içinde bitiyor.").arg(GunMetni(gun))
                                    : QStringLiteral("%1 günden önce bitiyor.").arg(planGunu);
    return QStringLiteral("Plan %1 günde bitiyor görünüyor; tahminler daha kısa sürelere yatkın: benzetimlerin "
                          "en az yarısında proje ")
               .arg(planGunu) + sonu;
}

QString Hesaplanamiyor(const RiskSonucu& sonuc)
{
    const QVector<KayitliFaaliyet>& satirlar = sonuc.hataliSatirlar;
    if (sonuc.hata.Var())
        return CizelgeMetinleri::Hesaplanamiyor(sonuc.hata, satirlar);
    if (sonuc.sirasizTahmin < 0)
        return QString();
    return CizelgeMetinleri::Hesaplanamiyor(
        QStringLiteral("%1 faaliyetinin tahmini 0 ≤ iyimser ≤ en olası ≤ kötümser sırasında değil.")
            .arg(satirlar.at(sonuc.sirasizTahmin).kodu));
}

} // namespace RiskMetinleri
