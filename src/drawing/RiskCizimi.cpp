#include "drawing/RiskCizimi.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

const QColor Sutun(120, 150, 200), Egri(180, 30, 30), Cizgi(60, 60, 60), Olumlu(200, 90, 60), Olumsuz(70, 130, 90);

struct Etiket {
    QString metin;
    QRectF kutu;
};

// The lines' captions above the chart: lines on the same pixel share one ("Plan, P10,
// P50"), and each caption goes on the first row where it meets none of the others, so
// that a narrow distribution (or every iteration alike) keeps them readable.
QVector<Etiket> CizgiEtiketleri(const std::vector<std::pair<QString, double>>& cizgiler, const QRectF& alan,
                                const QFontMetricsF& olcu)
{
    QVector<Etiket> etiketler;
    double son = -1e300;
    for (const auto& [ad, konum] : cizgiler) {
        if (!etiketler.isEmpty() && konum - son < 1) {
            etiketler.last().metin += QStringLiteral(", ") + ad;
        } else {
            etiketler.append({ad, QRectF(konum + 2, 0, 0, olcu.height())});
            son = konum;
        }
    }
    for (int i = 0; i < etiketler.size(); ++i) {
        QRectF& kutu = etiketler[i].kutu;
        kutu.setWidth(olcu.horizontalAdvance(etiketler.at(i).metin) + 4);
        kutu.moveLeft(std::max(alan.left(), std::min(kutu.left(), alan.right() - kutu.width())));
        kutu.moveTop(alan.top());
        for (int j = 0; j < i; ++j) {
            if (etiketler.at(j).kutu.intersects(kutu)) {
                kutu.moveTop(kutu.top() + olcu.height());
                j = -1; // a row lower: look at them all again
            }
        }
    }
    return etiketler;
}

// The columns of the iterations in each bin of `genislik` days from `enAz` (none for an
// empty one) and the cumulative share over them; gives the columns drawn.
int SutunlariCiz(QPainter& boyaci, const QRectF& cizim, const QVector<double>& f, double enAz, int genislik, int bolme)
{
    QVector<int> sayilar(bolme);
    for (double deger : f)
        ++sayilar[std::clamp(int((deger - enAz) / genislik), 0, bolme - 1)];
    const int tepe = *std::max_element(sayilar.cbegin(), sayilar.cend());
    const double sutunGenisligi = cizim.width() / bolme;
    boyaci.setPen(Qt::NoPen);
    boyaci.setBrush(Sutun);
    int sutun = 0;
    for (int i = 0; i < bolme; ++i) {
        if (sayilar.at(i) == 0)
            continue;
        const double yukseklik = cizim.height() * sayilar.at(i) / tepe;
        boyaci.drawRect(QRectF(cizim.left() + i * sutunGenisligi, cizim.bottom() - yukseklik, sutunGenisligi * 0.9,
                               yukseklik));
        ++sutun;
    }
    // The cumulative share: after each bin, the iterations at or below it.
    QPainterPath egri(QPointF(cizim.left(), cizim.bottom()));
    int toplam = 0;
    for (int i = 0; i < bolme; ++i) {
        toplam += sayilar.at(i);
        egri.lineTo(cizim.left() + (i + 1) * sutunGenisligi, cizim.bottom() - cizim.height() * toplam / f.size());
    }
    boyaci.setBrush(Qt::NoBrush);
    boyaci.setPen(QPen(Egri, 1.5));
    boyaci.drawPath(egri);
    return sutun;
}

} // namespace

RiskCizimSayimi HistogramCiz(QPainter& boyaci, const QRectF& alan, const RiskSonucu& sonuc, const QFont& yazi)
{
    RiskCizimSayimi sayim;
    const QVector<double>& f = sonuc.siraliBitisler;
    if (f.isEmpty() || alan.width() < 40 || alan.height() < 40)
        return sayim;
    boyaci.save();
    boyaci.setFont(yazi);
    const QFontMetricsF olcu(yazi);
    const double satir = olcu.height();
    const double enAz = std::floor(std::min<double>(f.first(), sonuc.deterministikF));
    const double enCok = std::ceil(std::max<double>(f.last(), sonuc.deterministikF)) + 1;
    const int gunler = std::max(1, int(enCok - enAz));
    const int genislik = std::max(1, int(std::ceil(gunler / 60.0)));
    const int bolme = (gunler + genislik - 1) / genislik;
    // Room for the captions above (as many rows as they take) and the day scale below.
    QRectF cizim = alan.adjusted(olcu.horizontalAdvance(QStringLiteral("%100")) / 2, 0,
                                 -olcu.horizontalAdvance(QStringLiteral("%100 ")), -satir * 1.5);
    const auto x = [&](double gun) { return cizim.left() + (gun - enAz) / (double(bolme) * genislik) * cizim.width(); };
    std::vector<std::pair<QString, double>> cizgiler{
        {QStringLiteral("Plan"), x(sonuc.deterministikF)}, {QStringLiteral("P10"), x(sonuc.p10)},
        {QStringLiteral("P50"), x(sonuc.p50)}, {QStringLiteral("P80"), x(sonuc.p80)}, {QStringLiteral("P90"), x(sonuc.p90)}};
    std::stable_sort(cizgiler.begin(), cizgiler.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    const QVector<Etiket> etiketler = CizgiEtiketleri(cizgiler, alan, olcu);
    double etiketAlti = alan.top();
    for (const Etiket& etiket : etiketler)
        etiketAlti = std::max(etiketAlti, etiket.kutu.bottom());
    cizim.setTop(std::min(etiketAlti + satir * 0.5, cizim.bottom() - satir));

    sayim.sutun = SutunlariCiz(boyaci, cizim, f, enAz, genislik, bolme);
    boyaci.setPen(Cizgi);
    boyaci.drawLine(cizim.bottomLeft(), cizim.bottomRight());
    boyaci.drawText(QPointF(cizim.right() + 2, cizim.top() + satir / 2), QStringLiteral("%100"));
    boyaci.drawText(QPointF(cizim.right() + 2, cizim.bottom()), QStringLiteral("%0"));
    const QLocale yerel;
    boyaci.drawText(QPointF(cizim.left(), cizim.bottom() + satir), yerel.toString(qint64(enAz)));
    boyaci.drawText(QRectF(cizim.left(), cizim.bottom(), cizim.width(), satir * 1.5), Qt::AlignRight | Qt::AlignBottom,
                    QStringLiteral("%1 gün").arg(yerel.toString(qint64(enAz) + qint64(bolme) * genislik)));
    // The plan's line last, so that it shows where a percentile falls on it.
    std::stable_partition(cizgiler.begin(), cizgiler.end(), [](const auto& c) { return c.first != QLatin1String("Plan"); });
    for (const auto& [ad, konum] : cizgiler) {
        boyaci.setPen(QPen(ad == QLatin1String("Plan") ? Egri : Cizgi, 1, Qt::DashLine));
        boyaci.drawLine(QPointF(konum, cizim.top()), QPointF(konum, cizim.bottom()));
        ++sayim.cizgi;
    }
    boyaci.setPen(Cizgi);
    for (const Etiket& etiket : etiketler)
        boyaci.drawText(etiket.kutu, Qt::AlignLeft | Qt::AlignVCenter, etiket.metin);
    boyaci.restore();
    return sayim;
}

RiskCizimSayimi KasirgaCiz(QPainter& boyaci, const QRectF& alan, const RiskSonucu& sonuc, const QStringList& kodlar,
                           const QFont& yazi, int enCok)
{
    RiskCizimSayimi sayim;
    const int n = int(std::min<qsizetype>(sonuc.faaliyetler.size(), kodlar.size()));
    if (n == 0 || alan.width() < 40 || alan.height() < 20)
        return sayim;
    QVector<int> sira(n);
    std::iota(sira.begin(), sira.end(), 0);
    std::stable_sort(sira.begin(), sira.end(), [&](int a, int b) {
        return std::abs(sonuc.faaliyetler.at(a).duyarlilik) > std::abs(sonuc.faaliyetler.at(b).duyarlilik);
    });
    sira.resize(std::min(n, enCok));
    boyaci.save();
    boyaci.setFont(yazi);
    const QFontMetricsF olcu(yazi);
    const double etiket = olcu.horizontalAdvance(QStringLiteral("WW -0,00"));
    const double satir = std::min(alan.height() / sira.size(), olcu.height() * 1.4);
    const double orta = alan.left() + etiket + (alan.width() - etiket) / 2, yari = (alan.width() - etiket) / 2 - 2;
    const QLocale yerel;
    for (int i = 0; i < sira.size(); ++i) {
        const double rho = sonuc.faaliyetler.at(sira.at(i)).duyarlilik;
        const double ust = alan.top() + i * satir;
        boyaci.setPen(Cizgi);
        boyaci.drawText(QRectF(alan.left(), ust, etiket - 4, satir), Qt::AlignRight | Qt::AlignVCenter,
                        QStringLiteral("%1 %2").arg(kodlar.at(sira.at(i)), yerel.toString(rho, 'f', 2)));
        boyaci.setPen(Qt::NoPen);
        boyaci.setBrush(rho >= 0 ? Olumlu : Olumsuz);
        const double uzunluk = yari * std::clamp(rho, -1.0, 1.0);
        boyaci.drawRect(QRectF(std::min(orta, orta + uzunluk), ust + satir * 0.15, std::abs(uzunluk), satir * 0.7));
        ++sayim.sutun;
    }
    boyaci.setPen(Cizgi);
    boyaci.drawLine(QPointF(orta, alan.top()), QPointF(orta, alan.top() + sira.size() * satir));
    boyaci.restore();
    return sayim;
}

QVector<ResimBasligi::Oge> HistogramLejanti(const RiskSonucu& sonuc)
{
    using Simge = ResimBasligi::Simge;
    return {{Simge::Dolgu, Sutun, QStringLiteral("Yineleme sayısı: bitişi o günlere düşenler")},
            {Simge::Cizgi, Egri, QStringLiteral("Birikimli pay: o güne kadar bitenler (sağ ölçek)")},
            {Simge::DikCizgi, Cizgi, QStringLiteral("P10, P50, P80, P90: yinelemelerin %10, %50, %80, %90'ı bu günde ya da önce biter"), Qt::DashLine},
            {Simge::DikCizgi, Egri, QStringLiteral("Plan: planın bitişi, F = %1 gün").arg(QLocale().toString(sonuc.deterministikF)),
             Qt::DashLine}};
}

QVector<ResimBasligi::Oge> KasirgaLejanti()
{
    using Simge = ResimBasligi::Simge;
    return {{Simge::Dolgu, Olumlu, QStringLiteral("Olumlu: süresi uzadıkça proje geç biter")},
            {Simge::Dolgu, Olumsuz, QStringLiteral("Olumsuz: süresi uzadıkça proje erken biter")}};
}
