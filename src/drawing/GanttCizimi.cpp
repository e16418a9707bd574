#include "drawing/GanttCizimi.h"

#include "rules/BolgeselMetin.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <set>

namespace {

const QColor KritikRenk(196, 32, 32);
const QColor OlağanRenk(62, 120, 178);
const QColor OkRengi(110, 110, 110);
const QColor VurguRengi(230, 120, 0);
const QColor SeçiliSatırRengi(255, 236, 170);
const QColor IzgaraRengi(225, 225, 225);
const QColor BitişRengi(150, 0, 0);
const QColor TahminiBitişRengi(0, 70, 160);

// Labels on the day axis stand this many days apart: enough for a date to fit, in
// steps a reader counts easily (a day, two, a week, then whole multiples of weeks).
qint64 EtiketAralığı(double günGenişliği, double etiketGenişliği)
{
    qint64 aralık = 1;
    while (double(aralık) * günGenişliği < etiketGenişliği)
        aralık = aralık == 1 ? 2 : aralık == 2 ? 7 : aralık * 2;
    return aralık;
}

void OkUcu(QPainter& boyacı, const QPointF& uç, double boy)
{
    const QPolygonF üçgen{uç, uç + QPointF(-boy, -boy / 2), uç + QPointF(-boy, boy / 2)};
    boyacı.drawPolygon(üçgen);
}

} // namespace

GanttÇizimi::GanttÇizimi(const AğAnalizi& analiz, const QDate& başlama, std::optional<qint64> tahminiGün,
                         const GanttÖlçeği& ölçek)
    : m_analiz(analiz), m_başlama(başlama), m_tahminiGün(tahminiGün), m_ölçek(ölçek)
{
    const QFontMetricsF ölçü(m_ölçek.yazı);
    m_kenar = ölçü.height() / 2;
    m_satır = ölçü.height() * 1.7;
    m_eksen = ölçü.height() * 3;
    double kodlar = 0;
    for (const FaaliyetAnalizi& f : m_analiz.faaliyetler)
        kodlar = std::max(kodlar, ölçü.horizontalAdvance(f.kodu));
    m_solBoşluk = m_kenar * 2 + std::min(kodlar, ölçü.averageCharWidth() * 16);
}

qint64 GanttÇizimi::SonGün() const
{
    return std::max<qint64>(m_analiz.projeBitişGünü, m_tahminiGün.value_or(0));
}

QSizeF GanttÇizimi::Boyut() const
{
    const QFontMetricsF ölçü(m_ölçek.yazı);
    // Room after the last day for the end markers' captions.
    const double sağ = ölçü.horizontalAdvance(QStringLiteral("Tahmini bitiş")) + m_kenar * 2;
    return {X(SonGün()) + sağ, m_eksen + m_satır * m_analiz.faaliyetler.size() + m_kenar};
}

double GanttÇizimi::SığanGünGenişliği(double genişlik) const
{
    const double sağ = Boyut().width() - X(SonGün());
    return (genişlik - m_solBoşluk - sağ) / double(std::max<qint64>(SonGün(), 1));
}

QRectF GanttÇizimi::Satır(int i) const
{
    return {0, m_eksen + m_satır * i, Boyut().width(), m_satır};
}

QRectF GanttÇizimi::Çubuk(int i) const
{
    const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
    // A zero-day activity still shows as a sliver where it falls.
    const double genişlik = std::max(X(f.ef) - X(f.es), 2.0);
    return {X(f.es), m_eksen + m_satır * (i + 0.2), genişlik, m_satır * 0.6};
}

int GanttÇizimi::ÇubukBul(const QPointF& yer) const
{
    const int i = int(std::floor((yer.y() - m_eksen) / m_satır));
    if (i < 0 || i >= m_analiz.faaliyetler.size())
        return -1;
    return Çubuk(i).adjusted(-1, 0, 1, 0).contains(yer) ? i : -1;
}

void GanttÇizimi::EkseniÇiz(QPainter& boyacı, const QRectF& alan) const
{
    const QFontMetricsF ölçü(m_ölçek.yazı);
    const auto etiket = [this](qint64 gün) {
        return m_başlama.isValid() ? BölgeselMetin::TarihYaz(m_başlama.addDays(gün))
                                   : QStringLiteral("%1. gün").arg(gün);
    };
    const double etiketGenişliği = ölçü.horizontalAdvance(etiket(SonGün())) + ölçü.height();
    const qint64 aralık = EtiketAralığı(m_ölçek.günGenişliği, etiketGenişliği);
    const double alt = Boyut().height() - m_kenar;
    const double çizgi = m_eksen - m_kenar / 2;
    boyacı.setPen(QPen(Qt::black, 0));
    boyacı.drawLine(QPointF(X(0), çizgi), QPointF(X(SonGün()), çizgi));
    const qint64 ilk = std::max<qint64>(0, qint64((alan.left() - m_solBoşluk) / m_ölçek.günGenişliği) / aralık - 1);
    for (qint64 gün = ilk * aralık; gün <= SonGün() && X(gün) <= alan.right() + etiketGenişliği; gün += aralık) {
        const double x = X(gün);
        boyacı.setPen(QPen(IzgaraRengi, 0));
        boyacı.drawLine(QPointF(x, çizgi), QPointF(x, alt));
        boyacı.setPen(QPen(Qt::black, 0));
        boyacı.drawLine(QPointF(x, çizgi - m_kenar / 2), QPointF(x, çizgi));
        boyacı.drawText(QRectF(x + 2, m_kenar + ölçü.height(), etiketGenişliği, ölçü.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, etiket(gün));
    }
}

void GanttÇizimi::İşaretleriÇiz(QPainter& boyacı) const
{
    const QFontMetricsF ölçü(m_ölçek.yazı);
    const double alt = Boyut().height() - m_kenar;
    const auto işaret = [&](qint64 gün, const QColor& renk, Qt::PenStyle biçim, const QString& ad, bool sola) {
        const double x = X(gün);
        boyacı.setPen(QPen(renk, 2, biçim));
        boyacı.drawLine(QPointF(x, m_kenar), QPointF(x, alt));
        const double genişlik = ölçü.horizontalAdvance(ad) + 4;
        boyacı.drawText(QRectF(sola ? x - genişlik - 2 : x + 4, m_kenar / 2, genişlik, ölçü.height()),
                        Qt::AlignVCenter | (sola ? Qt::AlignRight : Qt::AlignLeft), ad);
    };
    // When both fall on one day, F's caption goes to the left of the line, the estimate's to the right.
    işaret(m_analiz.projeBitişGünü, BitişRengi, Qt::SolidLine, QStringLiteral("F"), true);
    if (m_tahminiGün && *m_tahminiGün >= 0)
        işaret(*m_tahminiGün, TahminiBitişRengi, Qt::DashLine, QStringLiteral("Tahmini bitiş"), false);
}

bool GanttÇizimi::OkÇiz(QPainter& boyacı, const QRectF& alan, int önceki, int ardıl, bool vurgulu,
                        std::set<std::pair<double, bool>>& geçenler) const
{
    const QRectF çıkış = Çubuk(önceki), varış = Çubuk(ardıl);
    const QPointF baş(X(m_analiz.faaliyetler.at(önceki).ef), çıkış.center().y());
    const QPointF uç(varış.left(), varış.center().y());
    const double e = m_satır * 0.3;
    const bool düz = uç.x() - baş.x() >= 2 * e;
    const QColor renk = vurgulu ? VurguRengi : OkRengi;
    if (alan.isValid()) {
        if (!QRectF(baş, uç).normalized().adjusted(-2 * e, -e, e, e).intersects(alan))
            return false;
        // With both ends rows away, one above the area and one below, only the arrow's
        // vertical line crosses it, and every arrow leaving at that x draws the same
        // line: it is drawn once, so a pinned network's pages and scrolling stay small.
        const auto uzakta = [&](double y) { return y < alan.top() - m_satır * 2 || y > alan.bottom() + m_satır * 2; };
        if (uzakta(baş.y()) && uzakta(uç.y()) && (baş.y() < alan.top()) != (uç.y() < alan.top())) {
            const double x = düz ? uç.x() - e : baş.x() + e;
            if (!geçenler.insert({x, vurgulu}).second)
                return false;
            boyacı.setPen(QPen(renk, vurgulu ? 2 : 1));
            boyacı.drawLine(QPointF(x, alan.top()), QPointF(x, alan.bottom()));
            return true;
        }
    }
    QPolygonF yol{baş};
    if (düz) {
        yol << QPointF(uç.x() - e, baş.y()) << QPointF(uç.x() - e, uç.y());
    } else {
        // The successor starts where its predecessor ends: the line goes round, between the rows.
        const double ara = Satır(ardıl).top();
        yol << QPointF(baş.x() + e, baş.y()) << QPointF(baş.x() + e, ara) << QPointF(uç.x() - e, ara)
            << QPointF(uç.x() - e, uç.y());
    }
    yol << uç;
    boyacı.setPen(QPen(renk, vurgulu ? 2 : 1));
    boyacı.setBrush(Qt::NoBrush);
    boyacı.drawPolyline(yol);
    // Bars and lines run along the axes; only the arrowheads need smoothing.
    boyacı.setRenderHint(QPainter::Antialiasing, true);
    boyacı.setPen(Qt::NoPen);
    boyacı.setBrush(renk);
    OkUcu(boyacı, uç, e);
    boyacı.setRenderHint(QPainter::Antialiasing, false);
    return true;
}

GanttSayımı GanttÇizimi::Çiz(QPainter& boyacı, const QRectF& verilen, int seçili) const
{
    GanttSayımı sayım;
    const QRectF alan = verilen.isValid() ? verilen : QRectF(QPointF(0, 0), Boyut());
    boyacı.save();
    boyacı.setFont(m_ölçek.yazı);
    const int n = int(m_analiz.faaliyetler.size());
    if (seçili >= 0 && seçili < n)
        boyacı.fillRect(Satır(seçili), SeçiliSatırRengi);
    EkseniÇiz(boyacı, alan);

    // Only the rows that meet the area are painted: a network of thousands scrolls as fast as a small one.
    const int ilk = std::clamp(int(std::floor((alan.top() - m_eksen) / m_satır)), 0, n);
    const int son = std::clamp(int(std::ceil((alan.bottom() - m_eksen) / m_satır)), 0, n);
    const QFontMetricsF ölçü(m_ölçek.yazı);
    for (int i = ilk; i < son; ++i) {
        const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
        const QRectF çubuk = Çubuk(i);
        boyacı.setPen(QPen(Qt::black, 0));
        const QRectF kod(m_kenar, Satır(i).top(), m_solBoşluk - m_kenar * 2, m_satır);
        boyacı.drawText(kod, Qt::AlignLeft | Qt::AlignVCenter,
                        ölçü.elidedText(f.kodu, Qt::ElideRight, kod.width()));
        if (f.toplamBolluk > 0) {
            const double y = çubuk.center().y();
            const double bollukSonu = X(qint64(f.ef) + f.toplamBolluk);
            boyacı.setPen(QPen(f.kritik ? KritikRenk : OlağanRenk, 1));
            boyacı.drawLine(QPointF(çubuk.right(), y), QPointF(bollukSonu, y));
            boyacı.drawLine(QPointF(bollukSonu, y - m_satır * 0.15), QPointF(bollukSonu, y + m_satır * 0.15));
        }
        boyacı.setPen(i == seçili ? QPen(Qt::black, 2) : Qt::NoPen);
        boyacı.setBrush(f.kritik ? KritikRenk : OlağanRenk);
        boyacı.drawRect(çubuk);
        ++sayım.çubuk;
    }

    // The highlighted arrows go over the others.
    std::set<std::pair<double, bool>> geçenler;
    for (int geçiş = 0; geçiş < 2; ++geçiş) {
        for (int i = 0; i < n; ++i) {
            for (int k = m_analiz.öncekiBaşı.at(i); k < m_analiz.öncekiBaşı.at(i + 1); ++k) {
                const int önceki = m_analiz.öncekiler.at(k);
                const bool vurgulu = seçili >= 0 && (i == seçili || önceki == seçili);
                if (vurgulu != (geçiş == 1) || !OkÇiz(boyacı, alan, önceki, i, vurgulu, geçenler))
                    continue;
                ++sayım.ok;
                sayım.vurgulananOk += vurgulu;
            }
        }
    }
    İşaretleriÇiz(boyacı);
    boyacı.restore();
    return sayım;
}
