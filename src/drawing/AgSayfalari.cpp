#include "drawing/AgSayfalari.h"

#include "drawing/RaporSayfalari.h"
#include "drawing/SayfaBoyacisi.h"
#include "text/AnalizMetinleri.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Below this a box's texts are too small to read on paper: the diagram goes over pages.
constexpr double EnKucukTekSayfaOlcegi = 0.55;
// The scale of the diagram cut over pages: its texts as large as the table's on the report.
constexpr double ParcaOlcegi = 0.8;
// Past this many pages the diagram is reduced until it fits them, its texts smaller, as a
// picture too large for a PNG is: thousands of sheets are neither printed nor written while
// a user waits.
constexpr int EnCokParca = 400;
const QColor HaritaRengi(200, 30, 30);

// The whole diagram reduced onto the first page, the parts the pages that follow show over
// it, each with its page's number.
void SayfaHaritasi(SayfaBoyacisi& sayfa, const AgCizimi& cizim, const AgSayfaPlani& plan, const QFont& yazi)
{
    QPainter& boyaci = sayfa.boyaci();
    const QSizeF boyut = cizim.Boyut();
    const double ust = sayfa.satir() * 1.5;
    boyaci.setFont(yazi);
    boyaci.drawText(QRectF(0, 0, sayfa.alan().width(), sayfa.satir()), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("Sayfa planı: ağ diyagramı %1 sayfada; her karede o sayfanın numarası.")
                        .arg(plan.parcalar.size()));
    const double oran = std::min(sayfa.alan().width() / boyut.width(), (sayfa.alan().height() - ust) / boyut.height());
    boyaci.save();
    boyaci.translate(0, ust);
    boyaci.scale(oran, oran);
    cizim.Ciz(boyaci);
    QFont numara = yazi;
    numara.setBold(true);
    boyaci.setPen(QPen(HaritaRengi, 0));
    for (int i = 0; i < plan.parcalar.size(); ++i) {
        const QRectF& kare = plan.parcalar.at(i);
        numara.setPixelSize(int(std::max(8.0, std::min(kare.width(), kare.height()) * 0.25)));
        boyaci.setFont(numara);
        boyaci.drawRect(kare);
        boyaci.drawText(kare, Qt::AlignCenter, QString::number(2 + i));
    }
    boyaci.restore();
}

void Parcalar(SayfaBoyacisi& sayfa, const AgCizimi& cizim, const AgSayfaPlani& plan)
{
    QPainter& boyaci = sayfa.boyaci();
    for (const QRectF& parca : plan.parcalar) {
        sayfa.YeniSayfa();
        boyaci.save();
        boyaci.scale(plan.olcek, plan.olcek);
        boyaci.translate(-parca.topLeft());
        boyaci.setClipRect(parca);
        cizim.Ciz(boyaci, parca);
        boyaci.restore();
    }
}

// Stretches of one axis that something drawn takes, each open at both ends.
using Araliklar = QVector<std::pair<double, double>>;

// The stretches in order, those that overlap as one.
Araliklar Birlestir(Araliklar dolu)
{
    std::sort(dolu.begin(), dolu.end());
    Araliklar birlesik;
    for (const auto& aralik : dolu) {
        if (!birlesik.isEmpty() && aralik.first < birlesik.last().second)
            birlesik.last().second = std::max(birlesik.last().second, aralik.second);
        else
            birlesik.append(aralik);
    }
    return birlesik;
}

// Where to cut in each gap between these stretches, in order: in its middle or, when that
// is further, `yakin` before the stretch after it.
QVector<double> Bosluklar(const Araliklar& birlesik, double yakin)
{
    QVector<double> yerler;
    for (int i = 1; i < birlesik.size(); ++i)
        yerler.append(std::max((birlesik[i - 1].second + birlesik[i].first) / 2, birlesik[i].first - yakin));
    return yerler;
}

struct Kesim {
    QVector<double> yerler;
    bool arada = true; // every cut fell in a gap or past the last stretch
};

// Where [0, son) is cut into parts of at most `boy`: at the last gap the part reaches, past
// the last stretch where the part ends. A part no gap ends within is cut where it ends.
Kesim Kesimler(const Araliklar& dolu, double son, double boy, double yakin)
{
    const Araliklar birlesik = Birlestir(dolu);
    const QVector<double> yerler = Bosluklar(birlesik, yakin);
    const double bos = birlesik.isEmpty() ? 0 : birlesik.last().second;
    Kesim kesim{{0}};
    // A part a hair longer than a page is not worth a sliver of a page after it.
    while (son - kesim.yerler.last() > boy * (1 + 1e-9)) {
        const double bas = kesim.yerler.last(), sinir = bas + boy;
        const auto sonraki = std::upper_bound(yerler.cbegin(), yerler.cend(), sinir);
        const bool boslukta = sonraki != yerler.cbegin() && *(sonraki - 1) > bas;
        kesim.arada &= boslukta || sinir >= bos;
        kesim.yerler.append(sinir >= bos || !boslukta ? sinir : *(sonraki - 1));
    }
    kesim.yerler.append(son);
    return kesim;
}

struct Serit {
    double sol, sag;
    QVector<double> satirArasi; // its cuts from top to bottom
};

// Cuts a drawing of `boyut` with these boxes into parts of at most `hucre`: strips between
// the columns, clear of the types and lags written beside the arrows, each strip between
// its rows and below the title, clear of the links running in the middle.
struct Parcalayici {
    const QVector<QRectF>& kutular;
    double baslik;
    QSizeF boyut, hucre;
    double yakin; // how near a row cut may come to the box below it: clear of the links above the box
    QVector<double> sutunArasi; // where a strip may be split: one place in each gap between columns
    QVector<Serit> seritler; // left to right

    // The strip from `sol` to `sag` cut between its rows. Where its columns' boxes stand at
    // heights that leave no gap a page could end in, it is split at its middle gap between
    // columns and each half cut again, down to a single column, whose boxes have gaps between.
    void Kes(double sol, double sag)
    {
        Araliklar satirlar{{0, baslik}};
        for (const QRectF& k : kutular) {
            if (k.right() > sol && k.left() < sag)
                satirlar.append({k.top(), k.bottom()});
        }
        const Kesim kesim = Kesimler(satirlar, boyut.height(), hucre.height(), yakin);
        const auto ilk = std::upper_bound(sutunArasi.cbegin(), sutunArasi.cend(), sol);
        const auto son = std::lower_bound(ilk, sutunArasi.cend(), sag);
        if (kesim.arada || ilk == son) {
            seritler.append({sol, sag, kesim.yerler});
            return;
        }
        const double orta = *(ilk + (son - ilk) / 2);
        Kes(sol, orta);
        Kes(orta, sag);
    }
};

// The pages' parts of the drawing: the first row of every strip, then the second, and so on.
QVector<QRectF> Parcala(const QVector<QRectF>& kutular, const QVector<QRectF>& yazilar, double baslik,
                        const QSizeF& boyut, const QSizeF& hucre)
{
    Araliklar sutunlar;
    for (const QVector<QRectF>* alanlar : {&kutular, &yazilar}) {
        for (const QRectF& k : *alanlar)
            sutunlar.append({k.left(), k.right()});
    }
    const double ortada = std::numeric_limits<double>::infinity();
    const double yakin = kutular.isEmpty() ? 0 : kutular.first().height() / 10;
    Parcalayici p{kutular, baslik, boyut, hucre, yakin, Bosluklar(Birlestir(sutunlar), ortada), {}};
    const QVector<double> x = Kesimler(sutunlar, boyut.width(), hucre.width(), ortada).yerler;
    for (int s = 0; s + 1 < x.size(); ++s)
        p.Kes(x[s], x[s + 1]);
    QVector<QRectF> parcalar;
    for (int r = 0, kalan = 1; kalan > 0; ++r) {
        kalan = 0;
        for (const Serit& serit : p.seritler) {
            const QVector<double>& y = serit.satirArasi;
            if (r + 1 < y.size()) {
                parcalar.append(QRectF(QPointF(serit.sol, y[r]), QPointF(serit.sag, y[r + 1])));
                ++kalan;
            }
        }
    }
    return parcalar;
}

} // namespace

AgCizimi AgRaporCizimi(const Rapor& rapor, const QFont& yazi)
{
    return AgCizimi(rapor.analiz, DosyaYazisi(yazi), RaporBasligi(rapor));
}

AgSayfaPlani AgSayfalariniPlanla(const AgCizimi& cizim, const QSizeF& alan)
{
    AgSayfaPlani plan;
    const QSizeF boyut = cizim.Boyut();
    if (boyut.isEmpty() || alan.isEmpty())
        return plan;
    const double sigan = std::min(alan.width() / boyut.width(), alan.height() / boyut.height());
    if (sigan >= EnKucukTekSayfaOlcegi) {
        plan.olcek = std::min(1.0, sigan);
        return plan;
    }
    plan.olcek = ParcaOlcegi;
    QVector<QRectF> kutular, yazilar;
    for (int i = 0; i < cizim.yerlesim().kutular.size(); ++i)
        kutular.append(cizim.Kutu(i));
    for (int k = 0; k < cizim.yerlesim().oklar.size(); ++k) {
        if (const QRectF yer = cizim.YaziAlani(k); !yer.isNull())
            yazilar.append(yer);
    }
    plan.parcalar = Parcala(kutular, yazilar, cizim.BaslikYuksekligi(), boyut, alan / plan.olcek);
    while (plan.parcalar.size() > EnCokParca) {
        plan.olcek *= std::sqrt(double(EnCokParca) / double(plan.parcalar.size())) * 0.97;
        plan.parcalar = Parcala(kutular, yazilar, cizim.BaslikYuksekligi(), boyut, alan / plan.olcek);
    }
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
    const AgSayfaPlani plan = AgSayfalariniPlanla(cizim, sayfa.alan().size());
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
