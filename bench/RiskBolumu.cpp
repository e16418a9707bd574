#include "Bolumler.h"

#include "risk/RiskHesabi.h"
#include "kernel/OncekiListesi.h"

namespace {

struct RiskAgi {
    QVector<KayitliFaaliyet> faaliyetler;
    QHash<QString, UcNoktaTahmini> tahminler;
    int bagSayisi = 0;
};

// Every activity spread: optimistic up to half its duration less, pessimistic up to twice it.
RiskAgi RiskAgiKur(AgBicimi bicim, int satirSayisi, std::mt19937& uretec)
{
    RiskAgi ag;
    for (const Faaliyet& f : AgKur(bicim, satirSayisi, uretec)) {
        ag.faaliyetler.append({f.kodu, f.adi, {f.sure, f.sure}, f.oncekiler});
        ag.bagSayisi += f.oncekiler.isEmpty() ? 0 : int(OncekiKodlari(f.oncekiler).size());
        const qint32 iyimser = f.sure - qint32(uretec() % unsigned(f.sure / 2 + 1));
        ag.tahminler.insert(f.kodu, {iyimser, f.sure, f.sure + 1 + qint32(uretec() % unsigned(f.sure + 1))});
    }
    return ag;
}

Olcum Bolunmus(Olcum olcum, double bolen)
{
    olcum.medyan /= bolen;
    olcum.enAz /= bolen;
    olcum.enCok /= bolen;
    return olcum;
}

} // namespace

void RiskBolumu(Tablo& tablo)
{
    tablo.Bolum(QStringLiteral("Risk benzetimi (Monte Carlo)"));
    std::mt19937 uretec(20261207);
    struct Durum {
        AgBicimi bicim;
        int satir, yineleme, isParcacigi;
        Dagilim dagilim;
        std::optional<double> hedef;
    };
    const Durum durumlar[] = {
        {AgBicimi::Zincir, 62, 10000, 0, Dagilim::Pert, 8.0},
        {AgBicimi::Yelpaze, 62, 10000, 0, Dagilim::Pert, 8.0},
        {AgBicimi::Rastgele, 62, 10000, 0, Dagilim::Pert, 8.0},
        {AgBicimi::Rastgele, 62, 10000, 0, Dagilim::Ucgen, 8.0},
        {AgBicimi::Rastgele, 62, 10000, 1, Dagilim::Pert, std::nullopt},
        {AgBicimi::Rastgele, 62, 100000, 0, Dagilim::Pert, std::nullopt},
        {AgBicimi::Rastgele, 620, 1000, 0, Dagilim::Pert, std::nullopt},
        {AgBicimi::Rastgele, 6200, 1000, 0, Dagilim::Pert, 200.0},
        {AgBicimi::Rastgele, 6200, 1000, 0, Dagilim::Ucgen, 200.0},
    };
    for (const Durum& d : durumlar) {
        const RiskAgi ag = RiskAgiKur(d.bicim, d.satir, uretec);
        const RiskAyarlari ayarlar{d.dagilim, d.yineleme, 1, d.isParcacigi};
        const qint64 is = qint64(d.yineleme) * (d.satir + ag.bagSayisi);
        const Olcum olcum = SureOlc(is >= 10000000 ? 7 : 21, nullptr,
                                    [&] { RiskiHesapla(ag.faaliyetler, ag.tahminler, ayarlar); });
        const QString ayrinti = QStringLiteral("%1, %2 satır, %3 bağ, %L4 yineleme, %5%6")
                                    .arg(BicimAdi(d.bicim)).arg(d.satir).arg(ag.bagSayisi).arg(d.yineleme)
                                    .arg(d.dagilim == Dagilim::Pert ? QStringLiteral("PERT") : QStringLiteral("üçgen"),
                                         d.isParcacigi == 1 ? QStringLiteral(", 1 iş parçacığı") : QString());
        tablo.Satir(QStringLiteral("RiskiHesapla"), ayrinti, olcum, QStringLiteral("ms"), d.hedef);
        // The same per iteration and per row or link: flat when the cost is linear in both.
        tablo.Satir(QStringLiteral("RiskiHesapla, yineleme × (satır + bağ) başına"), ayrinti,
                    Bolunmus(olcum, double(is) / 1e6), QStringLiteral("ns"));
    }
}
