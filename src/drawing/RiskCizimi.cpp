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
    // Room for the captions above and the day scale below.
    const QRectF cizim = alan.adjusted(olcu.horizontalAdvance(QStringLiteral("%100")) / 2, satir * 1.5,
                                       -olcu.horizontalAdvance(QStringLiteral("%100 ")), -satir * 1.5);
    const double enAz = std::floor(std::min<double>(f.first(), sonuc.deterministikF));
    const double enCok = std::ceil(std::max<double>(f.last(), sonuc.deterministikF)) + 1;
    const int gunler = std::max(1, int(enCok - enAz));
    const int genislik = std::max(1, int(std::ceil(gunler / 60.0)));
    const int bolme = (gunler + genislik - 1) / genislik;
    QVector<int> sayilar(bolme);
    for (double deger : f)
        ++sayilar[std::clamp(int((deger - enAz) / genislik), 0, bolme - 1)];
    const int tepe = *std::max_element(sayilar.cbegin(), sayilar.cend());
    const auto x = [&](double gun) { return cizim.left() + (gun - enAz) / (double(bolme) * genislik) * cizim.width(); };
    const double sutunGenisligi = cizim.width() / bolme;
    boyaci.setPen(Qt::NoPen);
    boyaci.setBrush(Sutun);
    for (int i = 0; i < bolme; ++i) {
        const double yukseklik = tepe ? cizim.height() * sayilar.at(i) / tepe : 0;
        boyaci.drawRect(QRectF(cizim.left() + i * sutunGenisligi, cizim.bottom() - yukseklik, sutunGenisligi * 0.9,
                               yukseklik));
        ++sayim.sutun;
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
    boyaci.setPen(Cizgi);
    boyaci.drawLine(cizim.bottomLeft(), cizim.bottomRight());
    boyaci.drawText(QPointF(cizim.right() + 2, cizim.top() + satir / 2), QStringLiteral("%100"));
    boyaci.drawText(QPointF(cizim.right() + 2, cizim.bottom()), QStringLiteral("%0"));
    const QLocale yerel;
    boyaci.drawText(QPointF(cizim.left(), cizim.bottom() + satir), yerel.toString(qint64(enAz)));
    boyaci.drawText(QRectF(cizim.left(), cizim.bottom(), cizim.width(), satir * 1.5), Qt::AlignRight | Qt::AlignBottom,
                    QStringLiteral("%1 gün").arg(yerel.toString(qint64(enAz) + qint64(bolme) * genislik)));
    // The lines, captioned in turn on two rows so that neighbours do not cover each other.
    const std::pair<QString, double> cizgiler[] = {
        {QStringLiteral("Plan"), sonuc.deterministikF}, {QStringLiteral("P10"), sonuc.p10}, {QStringLiteral("P50"), sonuc.p50},
        {QStringLiteral("P80"), sonuc.p80},             {QStringLiteral("P90"), sonuc.p90}};
    int sira = 0;
    for (const auto& [ad, gun] : cizgiler) {
        const double konum = x(gun);
        boyaci.setPen(QPen(ad == QLatin1String("Plan") ? Egri : Cizgi, 1, Qt::DashLine));
        boyaci.drawLine(QPointF(konum, cizim.top()), QPointF(konum, cizim.bottom()));
        boyaci.drawText(QPointF(konum + 2, alan.top() + satir * (1 + (sira++ % 2) * 0.5) - olcu.descent()), ad);
        ++sayim.cizgi;
    }
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
