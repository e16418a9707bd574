#include "export/Rapor.h"

#include "store/ProjeDeposu.h"
#include "text/TakvimMetinleri.h"

DepoHatasi RaporuOku(const ProjeDeposu& depo, const QString& proje, Rapor& rapor,
                     QVector<KayitliFaaliyet>* faaliyetler)
{
    if (auto hata = depo.ProjeOku(proje, rapor.proje))
        return hata;
    QVector<KayitliFaaliyet> okunan;
    if (auto hata = depo.FaaliyetleriOku(proje, okunan))
        return hata;
    if (auto hata = depo.TahminleriOku(proje, rapor.tahminler))
        return hata;
    if (auto hata = depo.DagilimOku(proje, rapor.dagilim))
        return hata;
    rapor.analiz = AnaliziHesapla(okunan, rapor.proje);
    if (faaliyetler)
        *faaliyetler = std::move(okunan);
    return {};
}

QString TakvimAdiYaz(const ProjeTakvimi& takvim)
{
    return IsTakvimi(takvim).HerGunCalisilir() ? QString() : TakvimMetinleri::TakvimTanimi(takvim);
}

QString IsoTarih(const QDate& tarih)
{
    if (!tarih.isValid())
        return QString();
    if (tarih.year() >= 1 && tarih.year() <= 9999)
        return tarih.toString(Qt::ISODate);
    // QDate has no year 0: its year -1 is 1 BC, ISO's year 0.
    const qint64 yil = tarih.year() < 0 ? qint64(tarih.year()) + 1 : tarih.year();
    const QLatin1Char sifir('0');
    const QString gunAy = QStringLiteral("-%1-%2").arg(tarih.month(), 2, 10, sifir).arg(tarih.day(), 2, 10, sifir);
    if (yil == 0)
        return QStringLiteral("0000") + gunAy;
    return QLatin1Char(yil < 0 ? '-' : '+') + QStringLiteral("%1").arg(qAbs(yil), 4, 10, sifir) + gunAy;
}
