#include "drawing/RaporSayfalari.h"

#include "analysis/AnalizMetinleri.h"
#include "rules/BolgeselMetin.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace {

constexpr int GövdePunto = 9;
const QColor KritikSatırRengi(255, 214, 214);
const QColor BaşlıkSatırRengi(225, 225, 225);

// The table's column widths, relative: the name takes what the figures leave.
const double SütunPayları[] = {1.0, 3.4, 0.8, 0.8, 0.8, 0.8, 0.8, 1.5, 1.6, 0.8, 1.5, 1.5};

// Draws page after page in points (1/72 inch) with fonts sized in those points, so the
// same measures hold on a PDF writer's 1200 dpi and on any printer.
class Sayfalar {
public:
    Sayfalar(QPagedPaintDevice& aygıt, const QString& proje, const QFont& yazı)
        : m_aygıt(aygıt), m_proje(proje), m_yazı(yazı)
    {
        // The painter draws in points, so a font sized in pixels is sized in points.
        m_yazı.setPixelSize(GövdePunto);
        const QRectF alan = aygıt.pageLayout().paintRect(QPageLayout::Point);
        m_alan = QRectF(0, 0, alan.width(), alan.height());
        m_boyacı.begin(&aygıt);
        const double ölçek = aygıt.logicalDpiX() / 72.0;
        m_boyacı.scale(ölçek, ölçek);
        m_boyacı.setFont(m_yazı);
        const QFontMetricsF ölçü(m_yazı);
        m_satır = ölçü.height() * 1.35;
        // Room at the foot of every page for its number.
        m_alan.setBottom(m_alan.bottom() - m_satır * 1.5);
        m_y = 0;
    }
    ~Sayfalar()
    {
        Altlık();
        m_boyacı.end();
    }

    QPainter& boyacı() { return m_boyacı; }
    const QRectF& alan() const { return m_alan; }
    const QFont& yazı() const { return m_yazı; }
    double satır() const { return m_satır; }
    double& y() { return m_y; }
    double Kalan() const { return m_alan.bottom() - m_y; }

    void YeniSayfa()
    {
        Altlık();
        m_aygıt.newPage();
        ++m_sayfa;
        m_y = 0;
    }
    // Starts a new page unless `yükseklik` still fits on this one.
    void Sığdır(double yükseklik)
    {
        if (m_y > 0 && yükseklik > Kalan())
            YeniSayfa();
    }

    // Text wrapped to the page's width, going on over as many pages as it needs.
    void Paragraf(const QString& metin, const QFont& yazı)
    {
        m_boyacı.setFont(yazı);
        const double genişlik = m_alan.width();
        for (const QString& bölüm : metin.split(QLatin1Char('\n'))) {
            QTextLayout düzen(bölüm, yazı);
            düzen.beginLayout();
            double iç = 0;
            for (QTextLine çizgi = düzen.createLine(); çizgi.isValid(); çizgi = düzen.createLine()) {
                çizgi.setLineWidth(genişlik);
                çizgi.setPosition(QPointF(0, iç));
                iç += çizgi.height();
            }
            düzen.endLayout();
            for (int i = 0; i < düzen.lineCount(); ++i) {
                const QTextLine çizgi = düzen.lineAt(i);
                Sığdır(çizgi.height());
                çizgi.draw(&m_boyacı, QPointF(0, m_y - çizgi.y()));
                m_y += çizgi.height();
            }
        }
        m_boyacı.setFont(m_yazı);
    }

private:
    void Altlık()
    {
        m_boyacı.save();
        m_boyacı.setFont(m_yazı);
        m_boyacı.setPen(Qt::darkGray);
        const QRectF altlık(0, m_alan.bottom() + m_satır * 0.5, m_alan.width(), m_satır);
        const QFontMetricsF ölçü(m_yazı);
        m_boyacı.drawText(altlık, Qt::AlignLeft | Qt::AlignVCenter,
                          ölçü.elidedText(QStringLiteral("Kavrion – %1").arg(m_proje), Qt::ElideRight,
                                          m_alan.width() * 0.8));
        m_boyacı.drawText(altlık, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Sayfa %1").arg(m_sayfa));
        m_boyacı.restore();
    }

    QPagedPaintDevice& m_aygıt;
    QString m_proje;
    QFont m_yazı;
    QPainter m_boyacı;
    QRectF m_alan;
    double m_satır = 0, m_y = 0;
    int m_sayfa = 1;
};

// A cell's text on one line: line breaks would run into the next row.
QString TekSatır(const QString& metin)
{
    QString düz = metin.left(400);
    for (QChar& c : düz) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return düz;
}

void Başlık(Sayfalar& sayfalar, const Rapor& rapor)
{
    QFont büyük = sayfalar.yazı();
    büyük.setPixelSize(sayfalar.yazı().pixelSize() * 2);
    büyük.setBold(true);
    sayfalar.Paragraf(TekSatır(rapor.proje.ad.left(2000)), büyük);
    QStringList satırlar;
    satırlar << QStringLiteral("Başlama tarihi: %1    Bitiş tarihi: %2")
                    .arg(BölgeselMetin::TarihMetni(rapor.proje.başlama), BölgeselMetin::TarihMetni(rapor.proje.bitiş));
    const AğAnalizi& analiz = rapor.analiz;
    if (!analiz.hesaplanamıyor.isEmpty()) {
        satırlar << analiz.hesaplanamıyor;
    } else if (analiz.faaliyetler.isEmpty()) {
        satırlar << QStringLiteral("Projenin faaliyeti yok.");
    } else {
        satırlar << AnalizMetinleri::Plan(analiz) << AnalizMetinleri::KritikYollar(analiz);
    }
    sayfalar.Paragraf(satırlar.join(QLatin1Char('\n')), sayfalar.yazı());
    sayfalar.y() += sayfalar.satır();
}

void Tablo(Sayfalar& sayfalar, const AğAnalizi& analiz)
{
    QPainter& boyacı = sayfalar.boyacı();
    const QStringList& başlıklar = AnalizMetinleri::Başlıklar();
    double toplam = 0;
    for (double pay : SütunPayları)
        toplam += pay;
    QVector<double> sol{0};
    for (double pay : SütunPayları)
        sol << sol.last() + pay / toplam * sayfalar.alan().width();
    const QFontMetricsF ölçü(sayfalar.yazı());
    const double h = sayfalar.satır();
    const auto satırÇiz = [&](const auto& hücre, const QColor& zemin) {
        const double y = sayfalar.y();
        if (zemin.isValid())
            boyacı.fillRect(QRectF(0, y, sayfalar.alan().width(), h), zemin);
        boyacı.setPen(QPen(Qt::lightGray, 0));
        boyacı.drawLine(QPointF(0, y + h), QPointF(sayfalar.alan().width(), y + h));
        boyacı.setPen(Qt::black);
        for (int s = 0; s < başlıklar.size(); ++s) {
            const QRectF kutu(sol.at(s) + 2, y, sol.at(s + 1) - sol.at(s) - 4, h);
            boyacı.drawText(kutu, (AnalizMetinleri::SayısalSütun(s) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                            ölçü.elidedText(TekSatır(hücre(s)), Qt::ElideRight, kutu.width()));
        }
        sayfalar.y() += h;
    };
    const auto başlıkSatırı = [&] {
        satırÇiz([&](int s) { return başlıklar.at(s); }, BaşlıkSatırRengi);
    };
    sayfalar.Sığdır(h * 2);
    başlıkSatırı();
    for (const FaaliyetAnalizi& f : analiz.faaliyetler) {
        if (sayfalar.Kalan() < h) {
            sayfalar.YeniSayfa();
            başlıkSatırı();
        }
        satırÇiz([&](int s) { return AnalizMetinleri::Hücre(f, s); }, f.kritik ? KritikSatırRengi : QColor());
    }
}

// The chart scaled to the page's width, cut between rows onto as many pages as it needs.
void Şema(Sayfalar& sayfalar, const Rapor& rapor)
{
    GanttÖlçeği ölçek = DosyaÖlçeği(rapor, sayfalar.yazı());
    ölçek.günGenişliği = std::max(0.001, RaporÇizimi(rapor, ölçek).SığanGünGenişliği(sayfalar.alan().width()));
    const GanttÇizimi çizim = RaporÇizimi(rapor, ölçek);
    const QSizeF boyut = çizim.Boyut();
    const double oran = std::min(1.0, sayfalar.alan().width() / boyut.width());
    const int n = int(rapor.analiz.faaliyetler.size());
    QPainter& boyacı = sayfalar.boyacı();
    sayfalar.YeniSayfa();
    int satır = 0;
    double üst = 0; // the chart's own y at the top of this page
    while (true) {
        // Whole rows to the page's foot; the axis and the first rows on the first page.
        const double yükseklik = sayfalar.Kalan() / oran;
        int son = satır;
        while (son < n && çizim.Satır(son).bottom() - üst <= yükseklik)
            ++son;
        if (son == satır && satır < n)
            son = satır + 1; // a row taller than a page is still drawn
        const double alt = son >= n ? boyut.height() : çizim.Satır(son).top();
        boyacı.save();
        boyacı.translate(0, sayfalar.y());
        boyacı.scale(oran, oran);
        boyacı.translate(0, -üst);
        const QRectF parça(0, üst, boyut.width(), alt - üst);
        boyacı.setClipRect(parça);
        çizim.Çiz(boyacı, parça);
        boyacı.restore();
        if (son >= n)
            break;
        satır = son;
        üst = çizim.Satır(satır).top();
        sayfalar.YeniSayfa();
    }
}

} // namespace

GanttÖlçeği DosyaÖlçeği(const Rapor& rapor, const QFont& yazı)
{
    const qint64 günler = std::max<qint64>({1, rapor.analiz.projeBitişGünü, rapor.analiz.plan.tahminiGünSayısı.value_or(0)});
    GanttÖlçeği ölçek;
    ölçek.yazı = yazı;
    // Measured and drawn in the same units on every device: a picture's pixels, a page's points.
    if (yazı.pixelSize() <= 0)
        ölçek.yazı.setPixelSize(std::clamp(QFontInfo(yazı).pixelSize(), 11, 24));
    ölçek.günGenişliği = std::clamp(1600.0 / double(günler), 0.05, 24.0);
    return ölçek;
}

GanttÇizimi RaporÇizimi(const Rapor& rapor, const GanttÖlçeği& ölçek)
{
    return GanttÇizimi(rapor.analiz, rapor.proje.başlama.değer.value_or(QDate()), rapor.analiz.plan.tahminiGünSayısı,
                       ölçek);
}

QPageLayout RaporSayfaDüzeni()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

void RaporuSayfalaraÇiz(QPagedPaintDevice& aygıt, const Rapor& rapor, const QFont& yazı)
{
    Sayfalar sayfalar(aygıt, rapor.proje.ad, yazı);
    Başlık(sayfalar, rapor);
    if (!rapor.analiz.hesaplanamıyor.isEmpty() || rapor.analiz.faaliyetler.isEmpty())
        return;
    Tablo(sayfalar, rapor.analiz);
    Şema(sayfalar, rapor);
}
