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
const QColor OlaganRenk(62, 120, 178);
const QColor OkRengi(110, 110, 110);
const QColor VurguRengi(230, 120, 0);
const QColor SeciliSatirRengi(255, 236, 170);
const QColor IzgaraRengi(225, 225, 225);
const QColor BitisRengi(150, 0, 0);
const QColor TahminiBitisRengi(0, 70, 160);

// Labels on the day axis stand this many days apart: enough for a date to fit, in
// steps a reader counts easily (a day, two, a week, then whole multiples of weeks).
qint64 EtiketAraligi(double gunGenisligi, double etiketGenisligi)
{
    qint64 aralik = 1;
    while (double(aralik) * gunGenisligi < etiketGenisligi)
        aralik = aralik == 1 ? 2 : aralik == 2 ? 7 : aralik * 2;
    return aralik;
}

void OkUcu(QPainter& boyaci, const QPointF& uc, double boy)
{
    const QPolygonF ucgen{uc, uc + QPointF(-boy, -boy / 2), uc + QPointF(-boy, boy / 2)};
    boyaci.drawPolygon(ucgen);
}

} // namespace

GanttCizimi::GanttCizimi(const AgAnalizi& analiz, const QDate& baslama, std::optional<qint64> tahminiGun,
                         const GanttOlcegi& olcek)
    : m_analiz(analiz), m_baslama(baslama), m_tahminiGun(tahminiGun), m_olcek(olcek)
{
    const QFontMetricsF olcu(m_olcek.yazi);
    m_kenar = olcu.height() / 2;
    m_satir = olcu.height() * 1.7;
    m_eksen = olcu.height() * 3;
    double kodlar = 0;
    for (const FaaliyetAnalizi& f : m_analiz.faaliyetler)
        kodlar = std::max(kodlar, olcu.horizontalAdvance(f.kodu));
    m_solBosluk = m_kenar * 2 + std::min(kodlar, olcu.averageCharWidth() * 16);
}

qint64 GanttCizimi::SonGun() const
{
    return std::max<qint64>(m_analiz.projeBitisGunu, m_tahminiGun.value_or(0));
}

QSizeF GanttCizimi::Boyut() const
{
    const QFontMetricsF olcu(m_olcek.yazi);
    // Room after the last day for the end markers' captions.
    const double sag = olcu.horizontalAdvance(QStringLiteral("Tahmini bitiş")) + m_kenar * 2;
    return {X(SonGun()) + sag, m_eksen + m_satir * m_analiz.faaliyetler.size() + m_kenar};
}

double GanttCizimi::SiganGunGenisligi(double genislik) const
{
    const double sag = Boyut().width() - X(SonGun());
    return (genislik - m_solBosluk - sag) / double(std::max<qint64>(SonGun(), 1));
}

QRectF GanttCizimi::Satir(int i) const
{
    return {0, m_eksen + m_satir * i, Boyut().width(), m_satir};
}

QRectF GanttCizimi::Cubuk(int i) const
{
    const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
    // A zero-day activity still shows as a sliver where it falls.
    const double genislik = std::max(X(f.ef) - X(f.es), 2.0);
    return {X(f.es), m_eksen + m_satir * (i + 0.2), genislik, m_satir * 0.6};
}

int GanttCizimi::CubukBul(const QPointF& yer) const
{
    const int i = int(std::floor((yer.y() - m_eksen) / m_satir));
    if (i < 0 || i >= m_analiz.faaliyetler.size())
        return -1;
    return Cubuk(i).adjusted(-1, 0, 1, 0).contains(yer) ? i : -1;
}

void GanttCizimi::EkseniCiz(QPainter& boyaci, const QRectF& alan) const
{
    const QFontMetricsF olcu(m_olcek.yazi);
    const auto etiket = [this](qint64 gun) {
        return m_baslama.isValid() ? BolgeselMetin::TarihYaz(m_baslama.addDays(gun))
                                   : QStringLiteral("%1. gün").arg(gun);
    };
    const double etiketGenisligi = olcu.horizontalAdvance(etiket(SonGun())) + olcu.height();
    const qint64 aralik = EtiketAraligi(m_olcek.gunGenisligi, etiketGenisligi);
    const double alt = Boyut().height() - m_kenar;
    const double cizgi = m_eksen - m_kenar / 2;
    boyaci.setPen(QPen(Qt::black, 0));
    boyaci.drawLine(QPointF(X(0), cizgi), QPointF(X(SonGun()), cizgi));
    const qint64 ilk = std::max<qint64>(0, qint64((alan.left() - m_solBosluk) / m_olcek.gunGenisligi) / aralik - 1);
    for (qint64 gun = ilk * aralik; gun <= SonGun() && X(gun) <= alan.right() + etiketGenisligi; gun += aralik) {
        const double x = X(gun);
        boyaci.setPen(QPen(IzgaraRengi, 0));
        boyaci.drawLine(QPointF(x, cizgi), QPointF(x, alt));
        boyaci.setPen(QPen(Qt::black, 0));
        boyaci.drawLine(QPointF(x, cizgi - m_kenar / 2), QPointF(x, cizgi));
        boyaci.drawText(QRectF(x + 2, m_kenar + olcu.height(), etiketGenisligi, olcu.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, etiket(gun));
    }
}

void GanttCizimi::IsaretleriCiz(QPainter& boyaci) const
{
    const QFontMetricsF olcu(m_olcek.yazi);
    const double alt = Boyut().height() - m_kenar;
    const auto isaret = [&](qint64 gun, const QColor& renk, Qt::PenStyle bicim, const QString& ad, bool sola) {
        const double x = X(gun);
        boyaci.setPen(QPen(renk, 2, bicim));
        boyaci.drawLine(QPointF(x, m_kenar), QPointF(x, alt));
        const double genislik = olcu.horizontalAdvance(ad) + 4;
        boyaci.drawText(QRectF(sola ? x - genislik - 2 : x + 4, m_kenar / 2, genislik, olcu.height()),
                        Qt::AlignVCenter | (sola ? Qt::AlignRight : Qt::AlignLeft), ad);
    };
    // When both fall on one day, F's caption goes to the left of the line, the estimate's to the right.
    isaret(m_analiz.projeBitisGunu, BitisRengi, Qt::SolidLine, QStringLiteral("F"), true);
    if (m_tahminiGun && *m_tahminiGun >= 0)
        isaret(*m_tahminiGun, TahminiBitisRengi, Qt::DashLine, QStringLiteral("Tahmini bitiş"), false);
}

bool GanttCizimi::OkCiz(QPainter& boyaci, const QRectF& alan, int onceki, int ardil, bool vurgulu,
                        std::set<std::pair<double, bool>>& gecenler) const
{
    const QRectF cikis = Cubuk(onceki), varis = Cubuk(ardil);
    const QPointF bas(X(m_analiz.faaliyetler.at(onceki).ef), cikis.center().y());
    const QPointF uc(varis.left(), varis.center().y());
    const double e = m_satir * 0.3;
    const bool duz = uc.x() - bas.x() >= 2 * e;
    const QColor renk = vurgulu ? VurguRengi : OkRengi;
    if (alan.isValid()) {
        if (!QRectF(bas, uc).normalized().adjusted(-2 * e, -e, e, e).intersects(alan))
            return false;
        // With both ends rows away, one above the area and one below, only the arrow's
        // vertical line crosses it, and every arrow leaving at that x draws the same
        // line: it is drawn once, so a pinned network's pages and scrolling stay small.
        const auto uzakta = [&](double y) { return y < alan.top() - m_satir * 2 || y > alan.bottom() + m_satir * 2; };
        if (uzakta(bas.y()) && uzakta(uc.y()) && (bas.y() < alan.top()) != (uc.y() < alan.top())) {
            const double x = duz ? uc.x() - e : bas.x() + e;
            if (!gecenler.insert({x, vurgulu}).second)
                return false;
            boyaci.setPen(QPen(renk, vurgulu ? 2 : 1));
            boyaci.drawLine(QPointF(x, alan.top()), QPointF(x, alan.bottom()));
            return true;
        }
    }
    QPolygonF yol{bas};
    if (duz) {
        yol << QPointF(uc.x() - e, bas.y()) << QPointF(uc.x() - e, uc.y());
    } else {
        // The successor starts where its predecessor ends: the line goes round, between the rows.
        const double ara = Satir(ardil).top();
        yol << QPointF(bas.x() + e, bas.y()) << QPointF(bas.x() + e, ara) << QPointF(uc.x() - e, ara)
            << QPointF(uc.x() - e, uc.y());
    }
    yol << uc;
    boyaci.setPen(QPen(renk, vurgulu ? 2 : 1));
    boyaci.setBrush(Qt::NoBrush);
    boyaci.drawPolyline(yol);
    // Bars and lines run along the axes; only the arrowheads need smoothing.
    boyaci.setRenderHint(QPainter::Antialiasing, true);
    boyaci.setPen(Qt::NoPen);
    boyaci.setBrush(renk);
    OkUcu(boyaci, uc, e);
    boyaci.setRenderHint(QPainter::Antialiasing, false);
    return true;
}

GanttSayimi GanttCizimi::Ciz(QPainter& boyaci, const QRectF& verilen, int secili) const
{
    GanttSayimi sayim;
    const QRectF alan = verilen.isValid() ? verilen : QRectF(QPointF(0, 0), Boyut());
    boyaci.save();
    boyaci.setFont(m_olcek.yazi);
    const int n = int(m_analiz.faaliyetler.size());
    if (secili >= 0 && secili < n)
        boyaci.fillRect(Satir(secili), SeciliSatirRengi);
    EkseniCiz(boyaci, alan);

    // Only the rows that meet the area are painted: a network of thousands scrolls as fast as a small one.
    const int ilk = std::clamp(int(std::floor((alan.top() - m_eksen) / m_satir)), 0, n);
    const int son = std::clamp(int(std::ceil((alan.bottom() - m_eksen) / m_satir)), 0, n);
    const QFontMetricsF olcu(m_olcek.yazi);
    for (int i = ilk; i < son; ++i) {
        const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
        const QRectF cubuk = Cubuk(i);
        boyaci.setPen(QPen(Qt::black, 0));
        const QRectF kod(m_kenar, Satir(i).top(), m_solBosluk - m_kenar * 2, m_satir);
        boyaci.drawText(kod, Qt::AlignLeft | Qt::AlignVCenter,
                        olcu.elidedText(f.kodu, Qt::ElideRight, kod.width()));
        if (f.toplamBolluk > 0) {
            const double y = cubuk.center().y();
            const double bollukSonu = X(qint64(f.ef) + f.toplamBolluk);
            boyaci.setPen(QPen(f.kritik ? KritikRenk : OlaganRenk, 1));
            boyaci.drawLine(QPointF(cubuk.right(), y), QPointF(bollukSonu, y));
            boyaci.drawLine(QPointF(bollukSonu, y - m_satir * 0.15), QPointF(bollukSonu, y + m_satir * 0.15));
        }
        boyaci.setPen(i == secili ? QPen(Qt::black, 2) : Qt::NoPen);
        boyaci.setBrush(f.kritik ? KritikRenk : OlaganRenk);
        boyaci.drawRect(cubuk);
        ++sayim.cubuk;
    }

    // The highlighted arrows go over the others.
    std::set<std::pair<double, bool>> gecenler;
    for (int gecis = 0; gecis < 2; ++gecis) {
        for (int i = 0; i < n; ++i) {
            for (int k = m_analiz.oncekiBasi.at(i); k < m_analiz.oncekiBasi.at(i + 1); ++k) {
                const int onceki = m_analiz.oncekiler.at(k);
                const bool vurgulu = secili >= 0 && (i == secili || onceki == secili);
                if (vurgulu != (gecis == 1) || !OkCiz(boyaci, alan, onceki, i, vurgulu, gecenler))
                    continue;
                ++sayim.ok;
                sayim.vurgulananOk += vurgulu;
            }
        }
    }
    IsaretleriCiz(boyaci);
    boyaci.restore();
    return sayim;
}
