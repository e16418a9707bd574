#include "drawing/GanttCizimi.h"

#include "drawing/TekSatir.h"
#include "rules/BolgeselMetin.h"
#include "text/TakvimMetinleri.h"

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
const QColor TatilRengi(238, 238, 238);
const QColor TabanRengi(150, 150, 150);
const QColor TamamlananRengi(30, 30, 30, 150);
const QColor DurumTarihiRengi(0, 130, 60);

bool IlerlemeVar(const AgAnalizi& analiz, const IlerlemeAnalizi* ilerleme)
{
    return ilerleme && ilerleme->var && ilerleme->faaliyetler.size() == analiz.faaliyetler.size();
}

// The analysis with the forecast's figures in its rows: the bars, floats and arrows show
// where the work stands now.
AgAnalizi TahminliAnaliz(const AgAnalizi& analiz, const IlerlemeAnalizi* ilerleme)
{
    if (!IlerlemeVar(analiz, ilerleme))
        return analiz;
    AgAnalizi tahmin = analiz;
    for (int i = 0; i < tahmin.faaliyetler.size(); ++i) {
        FaaliyetAnalizi& f = tahmin.faaliyetler[i];
        const FaaliyetTahmini& t = ilerleme->faaliyetler.at(i);
        f.es = t.es;
        f.ef = t.ef;
        f.ls = t.ls;
        f.lf = t.lf;
        f.toplamBolluk = t.toplamBolluk;
        f.serbestBolluk = t.serbestBolluk;
        f.kritik = t.kritik;
        f.baslama = t.baslama;
        f.bitis = t.bitis;
    }
    tahmin.projeBitisGunu = ilerleme->projeBitisGunu;
    return tahmin;
}

// The working day count the chart must reach for the baseline's finish and the status date.
qint64 IlerlemeSonGunu(const AgAnalizi& analiz, const QDate& baslama, const IlerlemeAnalizi* ilerleme)
{
    if (!IlerlemeVar(analiz, ilerleme) || !baslama.isValid())
        return 0;
    const QDate ilk = analiz.takvim.IlkIsGunu(baslama);
    QDate son = ilerleme->durumTarihi;
    for (const FaaliyetTahmini& t : ilerleme->faaliyetler) {
        if (t.tabandaVar && t.tabanBitis > son)
            son = t.tabanBitis;
    }
    return son.isValid() && ilk.isValid() ? std::max<qint64>(0, analiz.takvim.IsGunuSay(ilk, son.addDays(1))) : 0;
}

// Labels on the day axis stand this many days apart: enough for a date to fit, in
// steps a reader counts easily (a day, two, a week, then whole multiples of weeks).
qint64 EtiketAraligi(double gunGenisligi, double etiketGenisligi)
{
    qint64 aralik = 1;
    while (double(aralik) * gunGenisligi < etiketGenisligi)
        aralik = aralik == 1 ? 2 : aralik == 2 ? 7 : aralik * 2;
    return aralik;
}

// Pointing right for a positive `boy`, left for a negative one.
void OkUcu(QPainter& boyaci, const QPointF& uc, double boy)
{
    const QPolygonF ucgen{uc, uc + QPointF(-boy, -boy / 2), uc + QPointF(-boy, boy / 2)};
    boyaci.drawPolygon(ucgen);
}

// The text on one line, cut with "…" to `genislik`; measured only when it might not fit,
// as no character is wider than the font's widest or twice its height.
QString Kisalt(const QFontMetricsF& olcu, const QString& metin, double genislik)
{
    const QString duz = TekSatir(metin);
    if (double(duz.size()) * std::max(olcu.maxWidth(), olcu.height() * 2) <= genislik)
        return duz;
    return olcu.elidedText(duz, Qt::ElideRight, genislik);
}

} // namespace

GanttCizimi::GanttCizimi(const AgAnalizi& analiz, const QDate& baslama, std::optional<qint64> tahminiGun,
                         const GanttOlcegi& olcek, const QStringList& baslik, const IlerlemeAnalizi* ilerleme)
    : m_analiz(TahminliAnaliz(analiz, ilerleme)), m_baslama(baslama), m_tahminiGun(tahminiGun),
      m_tahminler(IlerlemeVar(analiz, ilerleme) ? ilerleme->faaliyetler : QVector<FaaliyetTahmini>()),
      m_durumTarihi(IlerlemeVar(analiz, ilerleme) ? ilerleme->durumTarihi : QDate()),
      m_tabanAdi(IlerlemeVar(analiz, ilerleme) && ilerleme->tabanVar ? ilerleme->tabanAdi : QString()),
      m_ilerlemeSonGunu(IlerlemeSonGunu(analiz, baslama, ilerleme)), m_takvim(m_analiz.takvim, baslama, SonGun()),
      m_olcek(olcek)
{
    const QFontMetricsF olcu(m_olcek.yazi);
    m_kenar = olcu.height() / 2;
    m_satir = olcu.height() * 1.7;
    // The label column: the code, then, in a chart read without Kavrion beside it, the name,
    // each cut with "…" beyond its share. The window has the names in its table above the
    // chart, and drawing them would cost every repaint a text layout per row.
    double kodlar = 0, adlar = 0;
    const double kodSiniri = olcu.averageCharWidth() * 10, adSiniri = olcu.averageCharWidth() * 28;
    // Measured in place, and only until a column reaches its share: a plan of thousands zooms without delay.
    for (const FaaliyetAnalizi& f : m_analiz.faaliyetler) {
        if (kodlar < kodSiniri)
            kodlar = std::max(kodlar, olcu.horizontalAdvance(f.kodu, int(std::min<qsizetype>(f.kodu.size(), 40))));
        if (!baslik.isEmpty() && adlar < adSiniri)
            adlar = std::max(adlar, olcu.horizontalAdvance(f.adi, int(std::min<qsizetype>(f.adi.size(), 60))));
    }
    m_kodGenisligi = std::min(kodlar, kodSiniri);
    m_solBosluk = m_kenar * 2 + m_kodGenisligi + (adlar > 0 ? m_kenar + std::min(adlar, adSiniri) : 0);

    // Room after the last day for the end markers' captions; every row's band spans it.
    m_sagBosluk = olcu.horizontalAdvance(QStringLiteral("Tahmini bitiş")) + m_kenar * 2;

    if (!baslik.isEmpty()) {
        using Simge = ResimBasligi::Simge;
        QVector<ResimBasligi::Oge> lejant{
            {Simge::Dolgu, KritikRenk, QStringLiteral("Kritik faaliyet")},
            {Simge::Dolgu, OlaganRenk, QStringLiteral("Kritik olmayan faaliyet")},
            {Simge::Bolluk, OlaganRenk, QStringLiteral("Toplam bolluk")},
            {Simge::Elmas, KritikRenk, QStringLiteral("Kilometre taşı (0 gün)")},
            {Simge::DikCizgi, BitisRengi, QStringLiteral("F: en erken bitiş, %1 gün").arg(m_analiz.projeBitisGunu)}};
        if (m_tahminiGun && *m_tahminiGun >= 0)
            lejant.append({Simge::DikCizgi, TahminiBitisRengi,
                           QStringLiteral("Tahmini bitiş: tahmini gün sayısı %1").arg(*m_tahminiGun), Qt::DashLine});
        LejantaIlerlemeyiEkle(lejant);
        if (!m_takvim.Calisilmayanlar().isEmpty())
            lejant.append({Simge::Dolgu, TatilRengi, QStringLiteral("Çalışılmayan gün (%1)")
                                                         .arg(TakvimMetinleri::TakvimAdi(m_analiz.takvim.Tanim().tur))});
        m_baslik = ResimBasligi(m_olcek.yazi, baslik, lejant);
    }
    UstuYerlestir();
}

void GanttCizimi::GunGenisliginiKur(double gunGenisligi)
{
    m_olcek.gunGenisligi = gunGenisligi;
    // Only the legend's lines follow the width; every other measure is the font's.
    if (!m_baslik.bos())
        UstuYerlestir();
}

void GanttCizimi::UstuYerlestir()
{
    const QFontMetricsF olcu(m_olcek.yazi);
    m_ust = m_baslik.Yerlestir(Genislik());
    // Under the title: a row of dates, a row for the markers' captions, the axis line.
    m_eksen = m_ust + olcu.height() * 2 + m_kenar * 2;
}

qint64 GanttCizimi::SonGun() const
{
    return std::max({qint64(m_analiz.projeBitisGunu), m_tahminiGun.value_or(0), m_ilerlemeSonGunu});
}

void GanttCizimi::LejantaIlerlemeyiEkle(QVector<ResimBasligi::Oge>& lejant) const
{
    if (!m_durumTarihi.isValid())
        return;
    using Simge = ResimBasligi::Simge;
    if (!m_tabanAdi.isEmpty())
        lejant.append({Simge::Dolgu, TabanRengi, QStringLiteral("Taban planı: %1").arg(m_tabanAdi)});
    lejant.append({Simge::Dolgu, TamamlananRengi, QStringLiteral("Tamamlanan kısım")});
    lejant.append({Simge::DikCizgi, DurumTarihiRengi,
                   QStringLiteral("Durum tarihi: %1").arg(BolgeselMetin::TarihYaz(m_durumTarihi))});
}

void GanttCizimi::IlerlemeyiCiz(QPainter& boyaci, int i, const QRectF& cubuk) const
{
    if (m_tahminler.isEmpty())
        return;
    const FaaliyetTahmini& t = m_tahminler.at(i);
    const auto bas = m_takvim.Sutun(t.tabanBaslama), son = m_takvim.Sutun(t.tabanBitis);
    if (t.tabandaVar && bas && son) {
        // Thin, in the row's lower margin; a milestone's day is a day wide.
        const double sol = X(*bas), sag = std::max(X(*son + 1), sol + 2.0);
        const QRectF satir = Satir(i);
        boyaci.fillRect(QRectF(sol, cubuk.bottom() + 1, sag - sol, std::max(satir.bottom() - cubuk.bottom() - 2, 1.0)),
                        TabanRengi);
    }
    if (t.yuzde > 0 && !KilometreTasi(i))
        boyaci.fillRect(QRectF(cubuk.left(), cubuk.top() + cubuk.height() / 3, cubuk.width() * t.yuzde / 100.0,
                               cubuk.height() / 3),
                        TamamlananRengi);
}

void GanttCizimi::DurumTarihiniCiz(QPainter& boyaci) const
{
    const auto sutun = m_takvim.Sutun(m_durumTarihi);
    if (!sutun)
        return;
    // At the end of the status date's column: work counts as done through that day.
    const double ust = m_ust + m_kenar / 2 + QFontMetricsF(m_olcek.yazi).height();
    boyaci.setPen(QPen(DurumTarihiRengi, 2, Qt::DashDotLine));
    const double x = X(*sutun + 1);
    boyaci.drawLine(QPointF(x, ust), QPointF(x, Boyut().height() - m_kenar));
}

double GanttCizimi::Genislik() const
{
    return std::max(X(SutunSayisi()) + m_sagBosluk, m_baslik.Genislik());
}

QSizeF GanttCizimi::Boyut() const
{
    return {Genislik(), m_eksen + m_satir * m_analiz.faaliyetler.size() + m_kenar};
}

double GanttCizimi::SiganGunGenisligi(double genislik) const
{
    return (genislik - m_solBosluk - m_sagBosluk) / double(std::max<qint64>(SutunSayisi(), 1));
}

QRectF GanttCizimi::Satir(int i) const
{
    return {0, m_eksen + m_satir * i, Genislik(), m_satir};
}

QRectF GanttCizimi::Eksen() const
{
    return {0, m_ust, Genislik(), m_eksen - m_ust};
}

bool GanttCizimi::KilometreTasi(int i) const
{
    const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
    return f.ef == f.es;
}

QRectF GanttCizimi::Cubuk(int i) const
{
    const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
    if (KilometreTasi(i)) {
        // A diamond on its day: in the middle of day ES's column when the column holds it.
        const double boy = m_satir * 0.7;
        const double orta = Bas(f.es) + std::max(boy, m_olcek.gunGenisligi) / 2;
        return {orta - boy / 2, m_eksen + m_satir * i + (m_satir - boy) / 2, boy, boy};
    }
    // A day narrower than a pixel still shows a sliver of a bar.
    const double genislik = std::max(Son(f.ef) - Bas(f.es), 2.0);
    return {Bas(f.es), m_eksen + m_satir * (i + 0.2), genislik, m_satir * 0.6};
}

int GanttCizimi::CubukBul(const QPointF& yer) const
{
    const int i = int(std::floor((yer.y() - m_eksen) / m_satir));
    if (i < 0 || i >= m_analiz.faaliyetler.size())
        return -1;
    return Cubuk(i).adjusted(-1, 0, 1, 0).contains(yer) ? i : -1;
}

// A column's date, or its number (the first day is "1. gün") without a start date.
QString GanttCizimi::Etiket(qint64 sutun) const
{
    return m_baslama.isValid() ? BolgeselMetin::TarihYaz(m_takvim.Tarih(sutun)) : QStringLiteral("%1. gün").arg(sutun + 1);
}

QDate GanttCizimi::CalisilmayanGun(const QPointF& yer) const
{
    const qint64 sutun = qint64(std::floor((yer.x() - m_solBosluk) / m_olcek.gunGenisligi));
    const bool satirlarda = yer.y() >= m_eksen && yer.y() < Boyut().height() - m_kenar;
    return satirlarda && sutun < SutunSayisi() && m_takvim.Calisilmaz(sutun) ? m_takvim.Tarih(sutun) : QDate();
}

double GanttCizimi::EtiketGenisligi() const
{
    const QFontMetricsF olcu(m_olcek.yazi);
    return olcu.horizontalAdvance(Etiket(SutunSayisi())) + olcu.height();
}

void GanttCizimi::EkseniCiz(QPainter& boyaci, const QRectF& alan) const
{
    const QFontMetricsF olcu(m_olcek.yazi);
    const double etiketGenisligi = EtiketGenisligi();
    const qint64 aralik = EtiketAraligi(m_olcek.gunGenisligi, etiketGenisligi);
    const double gun1 = m_olcek.gunGenisligi;
    const double cizgi = m_eksen - m_kenar;
    const double tarihler = m_ust + m_kenar / 2;
    boyaci.save();
    boyaci.setPen(QPen(Qt::black, 0));
    boyaci.drawLine(QPointF(X(0), cizgi), QPointF(X(SutunSayisi()), cizgi));
    const qint64 solGun = std::max<qint64>(0, qint64((alan.left() - m_solBosluk - etiketGenisligi) / gun1));
    const qint64 sagGun = std::min<qint64>(SutunSayisi(), qint64(std::ceil((alan.right() - m_solBosluk) / gun1)));
    // A tick where each day starts, when there is room to tell them apart.
    if (gun1 >= 4) {
        for (qint64 gun = solGun; gun <= sagGun; ++gun)
            boyaci.drawLine(QPointF(X(gun), cizgi - m_kenar / 3), QPointF(X(gun), cizgi));
    }
    for (qint64 gun = solGun / aralik * aralik; gun <= sagGun; gun += aralik) {
        const double x = X(gun);
        boyaci.drawLine(QPointF(x, cizgi - m_kenar), QPointF(x, cizgi));
        if (gun >= SutunSayisi())
            break; // the axis ends where the last day does: no day after it to name
        // The labelled day's column, and its date over it: centred when the column holds it.
        boyaci.fillRect(QRectF(x, cizgi - m_kenar / 2, std::max(gun1, 0.5), m_kenar / 2), Qt::black);
        const QString metin = Etiket(gun);
        const double w = olcu.horizontalAdvance(metin);
        const QRectF kutu = gun1 >= w + 4 ? QRectF(x, tarihler, gun1, olcu.height())
                                          : QRectF(x + 1, tarihler, etiketGenisligi, olcu.height());
        boyaci.drawText(kutu, (gun1 >= w + 4 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter, metin);
    }
    // The markers' captions, in their row under the dates.
    const double yazilar = tarihler + olcu.height();
    const auto yazi = [&](qint64 gun, const QColor& renk, const QString& ad, bool sola) {
        const double genislik = olcu.horizontalAdvance(ad) + 4;
        boyaci.setPen(renk);
        boyaci.drawText(QRectF(sola ? Son(gun) - genislik - 3 : Son(gun) + 3, yazilar, genislik, olcu.height()),
                        Qt::AlignVCenter | (sola ? Qt::AlignRight : Qt::AlignLeft), ad);
    };
    const bool tahmin = m_tahminiGun && *m_tahminiGun >= 0;
    // The earlier marker's caption to the left of its line, the later one's to the right.
    const bool tahminSolda = tahmin && *m_tahminiGun < m_analiz.projeBitisGunu;
    yazi(m_analiz.projeBitisGunu, BitisRengi, QStringLiteral("F"), !tahminSolda);
    if (tahmin)
        yazi(*m_tahminiGun, TahminiBitisRengi, QStringLiteral("Tahmini bitiş"), tahminSolda);
    boyaci.restore();
}

void GanttCizimi::IsaretleriCiz(QPainter& boyaci) const
{
    // From the captions' row down, beside the captions and clear of the dates.
    const double ust = m_ust + m_kenar / 2 + QFontMetricsF(m_olcek.yazi).height();
    const double alt = Boyut().height() - m_kenar;
    const auto cizgi = [&](qint64 gun, const QColor& renk, Qt::PenStyle bicim) {
        boyaci.setPen(QPen(renk, 2, bicim));
        boyaci.drawLine(QPointF(Son(gun), ust), QPointF(Son(gun), alt));
    };
    cizgi(m_analiz.projeBitisGunu, BitisRengi, Qt::SolidLine);
    if (m_tahminiGun && *m_tahminiGun >= 0)
        cizgi(*m_tahminiGun, TahminiBitisRengi, Qt::DashLine);
}

bool GanttCizimi::OkCiz(QPainter& boyaci, const QRectF& alan, int onceki, int ardil, BagTuru tur, bool vurgulu,
                        std::set<std::pair<double, bool>>& gecenler) const
{
    // Each type ties its own ends: the predecessor's start or finish to the successor's.
    const bool baslangictan = tur == BagTuru::BaslamaBaslama || tur == BagTuru::BaslamaBitis;
    const bool bitise = tur == BagTuru::BitisBitis || tur == BagTuru::BaslamaBitis;
    const QRectF cikis = Cubuk(onceki), varis = Cubuk(ardil);
    const double basX = baslangictan           ? cikis.left()
                        : KilometreTasi(onceki) ? cikis.right()
                                                : Son(m_analiz.faaliyetler.at(onceki).ef);
    const QPointF bas(basX, cikis.center().y());
    const QPointF uc(bitise ? varis.right() : varis.left(), varis.center().y());
    const double e = m_satir * 0.3;
    // Which way the line leaves its bar and enters the other: rightwards is +1.
    const double cikisYonu = baslangictan ? -1 : 1, girisYonu = bitise ? -1 : 1;
    // Leaving and entering the same way, one vertical line does when the ends are far
    // enough apart; leaving and entering opposite ways, it always does, beyond both ends.
    const bool duz = cikisYonu != girisYonu || girisYonu * (uc.x() - bas.x()) >= 2 * e;
    const double dikey = cikisYonu == girisYonu ? uc.x() - girisYonu * e
                         : baslangictan         ? std::min(bas.x(), uc.x()) - e
                                                : std::max(bas.x(), uc.x()) + e;
    const QColor renk = vurgulu ? VurguRengi : OkRengi;
    if (alan.isValid()) {
        const double sagPay = tur == BagTuru::BitisBaslama ? e : 2 * e;
        if (!QRectF(bas, uc).normalized().adjusted(-2 * e, -e, sagPay, e).intersects(alan))
            return false;
        // With both ends rows away, one above the area and one below, only the arrow's
        // vertical line crosses it, and every arrow leaving at that x draws the same
        // line: it is drawn once, so a pinned network's pages and scrolling stay small.
        const auto uzakta = [&](double y) { return y < alan.top() - m_satir * 2 || y > alan.bottom() + m_satir * 2; };
        if (uzakta(bas.y()) && uzakta(uc.y()) && (bas.y() < alan.top()) != (uc.y() < alan.top())) {
            const double x = duz ? dikey : bas.x() + cikisYonu * e;
            if (!gecenler.insert({x, vurgulu}).second)
                return false;
            boyaci.setPen(QPen(renk, vurgulu ? 2 : 1));
            boyaci.drawLine(QPointF(x, alan.top()), QPointF(x, alan.bottom()));
            return true;
        }
    }
    QPolygonF yol{bas};
    if (duz) {
        yol << QPointF(dikey, bas.y()) << QPointF(dikey, uc.y());
    } else {
        // The successor's end is behind its predecessor's: the line goes round, between the rows.
        const double ara = Satir(ardil).top();
        yol << QPointF(bas.x() + cikisYonu * e, bas.y()) << QPointF(bas.x() + cikisYonu * e, ara)
            << QPointF(uc.x() - girisYonu * e, ara) << QPointF(uc.x() - girisYonu * e, uc.y());
    }
    yol << uc;
    boyaci.setPen(QPen(renk, vurgulu ? 2 : 1));
    boyaci.setBrush(Qt::NoBrush);
    boyaci.drawPolyline(yol);
    // Bars and lines run along the axes; only the arrowheads need smoothing.
    boyaci.setRenderHint(QPainter::Antialiasing, true);
    boyaci.setPen(Qt::NoPen);
    boyaci.setBrush(renk);
    OkUcu(boyaci, uc, girisYonu * e);
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
    TatilleriCiz(boyaci, alan);
    if (secili >= 0 && secili < n)
        boyaci.fillRect(Satir(secili), SeciliSatirRengi);
    if (alan.top() < m_ust)
        m_baslik.Ciz(boyaci, Genislik());
    if (alan.top() < m_eksen)
        EkseniCiz(boyaci, alan);
    // The labelled days' lines down through the rows.
    const qint64 aralik = EtiketAraligi(m_olcek.gunGenisligi, EtiketGenisligi());
    boyaci.setPen(QPen(IzgaraRengi, 0));
    for (qint64 gun = std::max<qint64>(0, qint64((alan.left() - m_solBosluk) / m_olcek.gunGenisligi)) / aralik * aralik;
         gun <= SutunSayisi() && X(gun) <= alan.right(); gun += aralik)
        boyaci.drawLine(QPointF(X(gun), m_eksen), QPointF(X(gun), Boyut().height() - m_kenar));

    // Only the rows that meet the area are painted: a network of thousands scrolls as fast as a small one.
    const int ilk = std::clamp(int(std::floor((alan.top() - m_eksen) / m_satir)), 0, n);
    const int son = std::clamp(int(std::ceil((alan.bottom() - m_eksen) / m_satir)), 0, n);
    const QFontMetricsF olcu(m_olcek.yazi);
    for (int i = ilk; i < son; ++i) {
        SatiriCiz(boyaci, olcu, i, secili);
        ++sayim.cubuk;
    }

    OklariCiz(boyaci, alan, secili, sayim);
    IsaretleriCiz(boyaci);
    DurumTarihiniCiz(boyaci);
    boyaci.restore();
    return sayim;
}

void GanttCizimi::TatilleriCiz(QPainter& boyaci, const QRectF& alan) const
{
    const auto& araliklar = m_takvim.Calisilmayanlar();
    const double ust = m_eksen, alt = Boyut().height() - m_kenar;
    // Only the runs in view: a plan of years scrolls as fast as one of weeks.
    auto it = std::lower_bound(araliklar.cbegin(), araliklar.cend(), alan.left(),
                               [this](const GanttTakvimi::Aralik& a, double x) { return X(a.son) < x; });
    for (; it != araliklar.cend() && it->ilk < SutunSayisi() && X(it->ilk) <= alan.right(); ++it) {
        const double sag = X(std::min(it->son, SutunSayisi()));
        boyaci.fillRect(QRectF(QPointF(X(it->ilk), ust), QPointF(sag, alt)), TatilRengi);
    }
}

// Row i's code, name, float line and bar; the selected row's bar is outlined.
void GanttCizimi::SatiriCiz(QPainter& boyaci, const QFontMetricsF& olcu, int i, int secili) const
{
    const double adSolu = m_kenar * 2 + m_kodGenisligi;
    const FaaliyetAnalizi& f = m_analiz.faaliyetler.at(i);
    const QRectF cubuk = Cubuk(i);
    boyaci.setPen(QPen(Qt::black, 0));
    // On the row's baseline, without a layout box: a box lays each text out again on every repaint.
    const double taban = Satir(i).center().y() + (olcu.ascent() - olcu.descent()) / 2;
    boyaci.drawText(QPointF(m_kenar, taban), Kisalt(olcu, f.kodu, m_kodGenisligi));
    const double adGenisligi = m_solBosluk - adSolu - m_kenar;
    if (adGenisligi > 0)
        boyaci.drawText(QPointF(adSolu, taban), Kisalt(olcu, f.adi, adGenisligi));
    if (f.toplamBolluk > 0) {
        const double y = cubuk.center().y();
        const double bollukSonu = Son(qint64(f.ef) + f.toplamBolluk);
        boyaci.setPen(QPen(f.kritik ? KritikRenk : OlaganRenk, 1));
        boyaci.drawLine(QPointF(cubuk.right(), y), QPointF(bollukSonu, y));
        boyaci.drawLine(QPointF(bollukSonu, y - m_satir * 0.15), QPointF(bollukSonu, y + m_satir * 0.15));
    }
    boyaci.setPen(i == secili ? QPen(Qt::black, 2) : Qt::NoPen);
    boyaci.setBrush(f.kritik ? KritikRenk : OlaganRenk);
    if (KilometreTasi(i)) {
        const QPointF m = cubuk.center();
        const double r = cubuk.width() / 2;
        boyaci.setRenderHint(QPainter::Antialiasing, true);
        boyaci.drawPolygon(QPolygonF{m + QPointF(0, -r), m + QPointF(r, 0), m + QPointF(0, r), m + QPointF(-r, 0)});
        boyaci.setRenderHint(QPainter::Antialiasing, false);
    } else {
        boyaci.drawRect(cubuk);
    }
    IlerlemeyiCiz(boyaci, i, cubuk);
}

void GanttCizimi::OklariCiz(QPainter& boyaci, const QRectF& alan, int secili, GanttSayimi& sayim) const
{
    const int n = int(m_analiz.faaliyetler.size());
    // The highlighted arrows go over the others.
    std::set<std::pair<double, bool>> gecenler;
    for (int gecis = 0; gecis < 2; ++gecis) {
        for (int i = 0; i < n; ++i) {
            for (int k = m_analiz.ag.girenBasi.at(i); k < m_analiz.ag.girenBasi.at(i + 1); ++k) {
                const int onceki = m_analiz.ag.onceki.at(k);
                const bool vurgulu = secili >= 0 && (i == secili || onceki == secili);
                if (vurgulu != (gecis == 1) || !OkCiz(boyaci, alan, onceki, i, m_analiz.ag.tur.at(k), vurgulu, gecenler))
                    continue;
                ++sayim.ok;
                sayim.vurgulananOk += vurgulu;
            }
        }
    }
}
