#include "drawing/GorselCikti.h"

#include "drawing/AgSayfalari.h"
#include "drawing/GanttCizimi.h"
#include "drawing/RaporSayfalari.h"
#include "text/AnalizMetinleri.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <functional>
#include <optional>

namespace {

// ImageMagick's default policy refuses an image over 16,000 pixels a side, and other
// viewers give up not far beyond; a longer chart is scaled down to fit.
constexpr double EnBuyukResimKenari = 16000;

// Characters XML 1.0 cannot hold, which a name or code written by another program may
// contain, would make the whole drawing unreadable; everything else is kept.
QByteArray XmlOlmayaniAt(QByteArray xml)
{
    xml.removeIf([](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 && b != '\t' && b != '\n' && b != '\r';
    });
    xml.replace("\xEF\xBF\xBE", "").replace("\xEF\xBF\xBF", "");
    return xml;
}

// What a picture shows: the Gantt chart or the network diagram, or why there is none.
class Resim {
public:
    enum class Tur { Gantt, Ag };
    Resim(const Rapor& rapor, const QFont& yazi, Tur tur = Tur::Gantt)
        : m_aciklama(AnalizMetinleri::Hesaplanamiyor(rapor.analiz))
    {
        if (!rapor.analiz.hata.Var() && tur == Tur::Ag) {
            m_ag.emplace(AgRaporCizimi(rapor, yazi));
            m_boyut = m_ag->Boyut();
        } else if (!rapor.analiz.hata.Var()) {
            m_cizim.emplace(RaporCizimi(rapor, DosyaOlcegi(rapor, yazi)));
            m_boyut = m_cizim->Boyut();
        } else {
            if (rapor.deneme)
                m_aciklama.prepend(DenemeIsareti() + QStringLiteral("\n\n"));
            m_yazi = DosyaOlcegi(rapor, yazi).yazi;
            const QFontMetricsF olcu(m_yazi);
            m_boyut = QSizeF(olcu.averageCharWidth() * 80, 0);
            m_boyut.setHeight(olcu.boundingRect(QRectF(0, 0, m_boyut.width(), 1e6), MetinBicimi, m_aciklama).height()
                              + olcu.height() * 2);
            m_boyut.setWidth(m_boyut.width() + olcu.height() * 2);
        }
    }
    QSizeF boyut() const { return m_boyut; }
    void Ciz(QPainter& boyaci) const
    {
        boyaci.fillRect(QRectF(QPointF(0, 0), m_boyut), Qt::white);
        if (m_cizim) {
            m_cizim->Ciz(boyaci);
            return;
        }
        if (m_ag) {
            m_ag->Ciz(boyaci);
            return;
        }
        const double kenar = QFontMetricsF(m_yazi).height();
        boyaci.setFont(m_yazi);
        boyaci.drawText(QRectF(QPointF(0, 0), m_boyut).adjusted(kenar, kenar, -kenar, -kenar), MetinBicimi, m_aciklama);
    }

private:
    static constexpr int MetinBicimi = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QString m_aciklama;
    std::optional<GanttCizimi> m_cizim;
    std::optional<AgCizimi> m_ag;
    QFont m_yazi;
    QSizeF m_boyut;
};

// A picture of any kind: its size, and what paints it from the top left.
struct Cizilecek {
    QSizeF boyut;
    std::function<void(QPainter&)> ciz;
};

QByteArray Svg(const Cizilecek& cizim, const QString& baslik, const QString& aciklama)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&tampon);
    svg.setSize(cizim.boyut.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), cizim.boyut));
    // The generator writes the title as it is given, and a name may hold & or <.
    svg.setTitle(baslik.toHtmlEscaped());
    svg.setDescription(aciklama);
    QPainter boyaci(&svg);
    cizim.ciz(boyaci);
    boyaci.end();
    return XmlOlmayaniAt(tampon.data());
}

QByteArray Png(const Cizilecek& cizim)
{
    const QSizeF boyut = cizim.boyut;
    const double oran = std::min({1.0, EnBuyukResimKenari / boyut.width(), EnBuyukResimKenari / boyut.height()});
    QImage resim((boyut * oran).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter boyaci(&resim);
    boyaci.scale(oran, oran);
    cizim.ciz(boyaci);
    boyaci.end();
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    resim.save(&tampon, "PNG");
    return tampon.data();
}

} // namespace

QByteArray PdfYaz(const Rapor& rapor, const QPageLayout& duzen, const std::function<void(QPdfWriter&)>& ciz)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&tampon);
    pdf.setTitle(rapor.proje.ad);
    pdf.setCreator(QStringLiteral("Kavrion"));
    pdf.setPageLayout(duzen);
    ciz(pdf);
    return tampon.data();
}

QByteArray GorselYaz(const Rapor& rapor, GorselBicim bicim, const QFont& yazi)
{
    if (bicim == GorselBicim::Pdf)
        return PdfYaz(rapor, RaporSayfaDuzeni(), [&](QPdfWriter& pdf) { RaporuSayfalaraCiz(pdf, rapor, yazi); });
    const Resim resim(rapor, yazi);
    const Cizilecek cizim{resim.boyut(), [&resim](QPainter& boyaci) { resim.Ciz(boyaci); }};
    return bicim == GorselBicim::Svg ? Svg(cizim, rapor.proje.ad, QStringLiteral("Kavrion: Gantt şeması")) : Png(cizim);
}

QByteArray AgGorseliYaz(const Rapor& rapor, GorselBicim bicim, const QFont& yazi)
{
    if (bicim == GorselBicim::Pdf)
        return PdfYaz(rapor, RaporSayfaDuzeni(), [&](QPdfWriter& pdf) { AgiSayfalaraCiz(pdf, rapor, yazi); });
    const Resim resim(rapor, yazi, Resim::Tur::Ag);
    const Cizilecek cizim{resim.boyut(), [&resim](QPainter& boyaci) { resim.Ciz(boyaci); }};
    return bicim == GorselBicim::Svg ? Svg(cizim, rapor.proje.ad, QStringLiteral("Kavrion: ağ diyagramı")) : Png(cizim);
}

QByteArray RiskGorseliYaz(const RiskGorseli& gorsel, RiskCizimTuru tur, GorselBicim bicim, const QFont& yazi,
                          const KayitliProje& proje)
{
    if (bicim == GorselBicim::Pdf)
        return {};
    const RiskResmi resim(gorsel, tur, proje, yazi);
    const Cizilecek cizim{resim.Boyut(), [&resim](QPainter& boyaci) { resim.Ciz(boyaci); }};
    return bicim == GorselBicim::Svg
               ? Svg(cizim, proje.ad,
                     tur == RiskCizimTuru::Histogram ? QStringLiteral("Kavrion: risk histogramı, bitiş dağılımı ve P çizgileri")
                                                     : QStringLiteral("Kavrion: risk kasırga grafiği, duyarlılıklar"))
               : Png(cizim);
}
