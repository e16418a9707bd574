#include "drawing/GorselCikti.h"

#include "drawing/GanttCizimi.h"
#include "drawing/RaporSayfalari.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <optional>

namespace {

// Viewers and QImage itself give up on larger images; a longer chart is scaled down to fit.
constexpr double EnBüyükResimKenarı = 16384;

// Characters XML 1.0 cannot hold, which a name or code written by another program may
// contain, would make the whole drawing unreadable; everything else is kept.
QByteArray XmlOlmayanıAt(QByteArray xml)
{
    xml.removeIf([](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 && b != '\t' && b != '\n' && b != '\r';
    });
    xml.replace("\xEF\xBF\xBE", "").replace("\xEF\xBF\xBF", "");
    return xml;
}

// What a picture shows: the chart, or why there is none.
class Resim {
public:
    Resim(const Rapor& rapor, const QFont& yazı) : m_açıklama(rapor.analiz.hesaplanamıyor)
    {
        if (m_açıklama.isEmpty()) {
            m_çizim.emplace(RaporÇizimi(rapor, DosyaÖlçeği(rapor, yazı)));
            m_boyut = m_çizim->Boyut();
        } else {
            m_yazı = DosyaÖlçeği(rapor, yazı).yazı;
            const QFontMetricsF ölçü(m_yazı);
            m_boyut = QSizeF(ölçü.averageCharWidth() * 80, 0);
            m_boyut.setHeight(ölçü.boundingRect(QRectF(0, 0, m_boyut.width(), 1e6), MetinBiçimi, m_açıklama).height()
                              + ölçü.height() * 2);
            m_boyut.setWidth(m_boyut.width() + ölçü.height() * 2);
        }
    }
    QSizeF boyut() const { return m_boyut; }
    void Çiz(QPainter& boyacı) const
    {
        boyacı.fillRect(QRectF(QPointF(0, 0), m_boyut), Qt::white);
        if (m_çizim) {
            m_çizim->Çiz(boyacı);
            return;
        }
        const double kenar = QFontMetricsF(m_yazı).height();
        boyacı.setFont(m_yazı);
        boyacı.drawText(QRectF(QPointF(0, 0), m_boyut).adjusted(kenar, kenar, -kenar, -kenar), MetinBiçimi, m_açıklama);
    }

private:
    static constexpr int MetinBiçimi = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QString m_açıklama;
    std::optional<GanttÇizimi> m_çizim;
    QFont m_yazı;
    QSizeF m_boyut;
};

QByteArray Svg(const Rapor& rapor, const QFont& yazı)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    const Resim resim(rapor, yazı);
    QSvgGenerator svg;
    svg.setOutputDevice(&tampon);
    svg.setSize(resim.boyut().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), resim.boyut()));
    // The generator writes the title as it is given, and a name may hold & or <.
    svg.setTitle(rapor.proje.ad.toHtmlEscaped());
    svg.setDescription(QStringLiteral("Kavrion: Gantt şeması"));
    QPainter boyacı(&svg);
    resim.Çiz(boyacı);
    boyacı.end();
    return XmlOlmayanıAt(tampon.data());
}

QByteArray Png(const Rapor& rapor, const QFont& yazı)
{
    const Resim çizim(rapor, yazı);
    const QSizeF boyut = çizim.boyut();
    const double oran = std::min({1.0, EnBüyükResimKenarı / boyut.width(), EnBüyükResimKenarı / boyut.height()});
    QImage resim((boyut * oran).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter boyacı(&resim);
    boyacı.scale(oran, oran);
    çizim.Çiz(boyacı);
    boyacı.end();
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    resim.save(&tampon, "PNG");
    return tampon.data();
}

QByteArray Pdf(const Rapor& rapor, const QFont& yazı)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&tampon);
    pdf.setTitle(rapor.proje.ad);
    pdf.setCreator(QStringLiteral("Kavrion"));
    pdf.setPageLayout(RaporSayfaDüzeni());
    RaporuSayfalaraÇiz(pdf, rapor, yazı);
    return tampon.data();
}

} // namespace

QByteArray GörselYaz(const Rapor& rapor, GörselBiçim biçim, const QFont& yazı)
{
    switch (biçim) {
    case GörselBiçim::Svg: return Svg(rapor, yazı);
    case GörselBiçim::Png: return Png(rapor, yazı);
    case GörselBiçim::Pdf: return Pdf(rapor, yazı);
    }
    return {};
}
