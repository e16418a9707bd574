#include "drawing/AgSayfalari.h"

#include "drawing/RaporSayfalari.h"
#include "drawing/SayfaBoyacisi.h"
#include "text/AnalizMetinleri.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Below this a box's texts are too small to read on paper: the diagram goes over pages.
constexpr double EnKucukTekSayfaOlcegi = 0.55;
// The scale of the diagram cut over pages: its texts as large as the table's on the report.
constexpr double ParcaOlcegi = 0.8;
const QColor HaritaRengi(200, 30, 30);

// The whole diagram reduced onto the first page, the grid of the pages that follow over it,
// each cell with its page's number.
void SayfaHaritasi(SayfaBoyacisi& sayfa, const AgCizimi& cizim, const AgSayfaPlani& plan, const QFont& yazi)
{
    QPainter& boyaci = sayfa.boyaci();
    const QSizeF boyut = cizim.Boyut();
    const double ust = sayfa.satir() * 1.5;
    boyaci.setFont(yazi);
    boyaci.drawText(QRectF(0, 0, sayfa.alan().width(), sayfa.satir()), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("Sayfa planı: ağ diyagramı %1 sayfada; her karede o sayfanın numarası.")
                        .arg(plan.sutun * plan.satir));
    const double oran = std::min(sayfa.alan().width() / boyut.width(), (sayfa.alan().height() - ust) / boyut.height());
    boyaci.save();
    boyaci.translate(0, ust);
    boyaci.scale(oran, oran);
    cizim.Ciz(boyaci);
    // One cell of the grid is a page's area in the diagram's own units.
    const QSizeF hucre = sayfa.alan().size() / plan.olcek;
    QFont numara = yazi;
    numara.setPixelSize(int(std::max(8.0, std::min(hucre.width(), hucre.height()) * 0.25)));
    numara.setBold(true);
    boyaci.setFont(numara);
    boyaci.setPen(QPen(HaritaRengi, 0));
    for (int r = 0; r < plan.satir; ++r) {
        for (int c = 0; c < plan.sutun; ++c) {
            const QRectF kare(QPointF(c * hucre.width(), r * hucre.height()), hucre);
            boyaci.drawRect(kare);
            boyaci.drawText(kare, Qt::AlignCenter, QString::number(2 + r * plan.sutun + c));
        }
    }
    boyaci.restore();
}

void Parcalar(SayfaBoyacisi& sayfa, const AgCizimi& cizim, const AgSayfaPlani& plan)
{
    QPainter& boyaci = sayfa.boyaci();
    const QSizeF hucre = sayfa.alan().size() / plan.olcek;
    for (int r = 0; r < plan.satir; ++r) {
        for (int c = 0; c < plan.sutun; ++c) {
            sayfa.YeniSayfa();
            const QRectF parca(QPointF(c * hucre.width(), r * hucre.height()), hucre);
            boyaci.save();
            boyaci.scale(plan.olcek, plan.olcek);
            boyaci.translate(-parca.topLeft());
            boyaci.setClipRect(parca);
            cizim.Ciz(boyaci, parca);
            boyaci.restore();
        }
    }
}

} // namespace

AgCizimi AgRaporCizimi(const Rapor& rapor, const QFont& yazi)
{
    return AgCizimi(rapor.analiz, DosyaYazisi(yazi), RaporBasligi(rapor));
}

AgSayfaPlani AgSayfalariniPlanla(const QSizeF& boyut, const QSizeF& alan)
{
    AgSayfaPlani plan;
    if (boyut.isEmpty() || alan.isEmpty())
        return plan;
    const double sigan = std::min(alan.width() / boyut.width(), alan.height() / boyut.height());
    if (sigan >= EnKucukTekSayfaOlcegi) {
        plan.olcek = std::min(1.0, sigan);
        return plan;
    }
    plan.olcek = ParcaOlcegi;
    plan.sutun = int(std::ceil(boyut.width() * plan.olcek / alan.width()));
    plan.satir = int(std::ceil(boyut.height() * plan.olcek / alan.height()));
    return plan;
}

void AgiSayfalaraCiz(QPagedPaintDevice& aygit, const Rapor& rapor, const QFont& yazi)
{
    AgiSayfalaraCiz(aygit, aygit.pageLayout(), [&aygit] { aygit.newPage(); }, rapor, yazi);
}

void AgiSayfalaraCiz(QPaintDevice& aygit, const QPageLayout& duzen, const std::function<void()>& yeniSayfa,
                     const Rapor& rapor, const QFont& yazi)
{
    const QFont dosya = DosyaYazisi(yazi);
    SayfaBoyacisi sayfa(aygit, duzen, yeniSayfa, rapor.proje.ad, dosya);
    QPainter& boyaci = sayfa.boyaci();
    if (rapor.analiz.hata.Var()) {
        QString aciklama = AnalizMetinleri::Hesaplanamiyor(rapor.analiz);
        if (rapor.deneme)
            aciklama.prepend(DenemeIsareti() + QStringLiteral("\n\n"));
        boyaci.setFont(dosya);
        boyaci.drawText(sayfa.alan(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, aciklama);
        return;
    }
    const AgCizimi cizim = AgRaporCizimi(rapor, yazi);
    const AgSayfaPlani plan = AgSayfalariniPlanla(cizim.Boyut(), sayfa.alan().size());
    if (!plan.haritali()) {
        boyaci.save();
        boyaci.scale(plan.olcek, plan.olcek);
        cizim.Ciz(boyaci);
        boyaci.restore();
        return;
    }
    SayfaHaritasi(sayfa, cizim, plan, dosya);
    Parcalar(sayfa, cizim, plan);
}
