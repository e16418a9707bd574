#include "drawing/GorselCikti.h"

#include "drawing/GanttCizimi.h"
#include "drawing/RaporSayfalari.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

namespace {

// Viewers and QImage itself give up on larger images; a longer chart is scaled down to fit.
constexpr double EnBüyükResimKenarı = 16384;

GanttÇizimi DosyaÇizimi(const Rapor& rapor, const QFont& yazı)
{
    return GanttÇizimi(rapor.analiz, rapor.proje.başlama.değer.value_or(QDate()), rapor.analiz.plan.tahminiGünSayısı,
                       DosyaÖlçeği(rapor, yazı));
}

QByteArray Svg(const Rapor& rapor, const QFont& yazı)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    const GanttÇizimi çizim = DosyaÇizimi(rapor, yazı);
    QSvgGenerator svg;
    svg.setOutputDevice(&tampon);
    svg.setSize(çizim.Boyut().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), çizim.Boyut()));
    svg.setTitle(rapor.proje.ad);
    svg.setDescription(QStringLiteral("Kavrion: Gantt şeması"));
    QPainter boyacı(&svg);
    boyacı.fillRect(QRectF(QPointF(0, 0), çizim.Boyut()), Qt::white);
    çizim.Çiz(boyacı);
    boyacı.end();
    return tampon.data();
}

QByteArray Png(const Rapor& rapor, const QFont& yazı)
{
    const GanttÇizimi çizim = DosyaÇizimi(rapor, yazı);
    const QSizeF boyut = çizim.Boyut();
    const double oran = std::min({1.0, EnBüyükResimKenarı / boyut.width(), EnBüyükResimKenarı / boyut.height()});
    QImage resim((boyut * oran).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    resim.fill(Qt::white);
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
