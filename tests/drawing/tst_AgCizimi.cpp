// The network diagram on random plans of every link type: arrows run left to right round
// the boxes, no two boxes overlap, the boxes say what the analysis says, and the sweeps
// cross no more arrows than one barycentre pass would.
#include "analysis/AgYerlesimi.h"
#include "drawing/AgCizimi.h"
#include "drawing/AgSayfalari.h"
#include "drawing/GorselCikti.h"
#include "drawing/RaporSayfalari.h"
#include "drawing/SayfaBoyacisi.h"
#include "kernel/Hesap.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <tuple>

namespace {

// A code is one character; these have no case to confuse them.
QString Kod(int i)
{
    return QString(QChar(char16_t(0x4E00 + i)));
}

// The analysis of these activities in a project starting on a Monday.
AgAnalizi Analiz(const QVector<KayitliFaaliyet>& faaliyetler)
{
    return AnaliziHesapla(faaliyetler, {QStringLiteral("P"), {QDate(2026, 3, 2), QDate(2026, 3, 2)}, {}});
}

// `n` activities, each after one to three above it (mostly near it, now and then far
// above), every link of a random type with a lag of −2 to +3; about one in eight lasts no day.
AgAnalizi RastgeleAg(std::mt19937& uretec, int n)
{
    QVector<KayitliFaaliyet> faaliyetler;
    for (int i = 0; i < n; ++i) {
        const qint32 sure = uretec() % 8 == 0 ? 0 : qint32(1 + uretec() % 9);
        KayitliFaaliyet f{Kod(i), QStringLiteral("Faaliyet %1").arg(i), {sure, sure}, {}};
        QStringList oncekiler;
        for (int k = 0, kac = i == 0 ? 0 : int(1 + uretec() % 3); k < kac; ++k) {
            const int j = uretec() % 5 == 0 ? int(uretec() % unsigned(i)) : std::max(0, i - 1 - int(uretec() % 4));
            const QString kod = Kod(j);
            if (oncekiler.contains(kod))
                continue;
            oncekiler << kod;
            const BagAyrintisi bag{kod, BagTuru(uretec() % 4), qint32(uretec() % 6) - 2};
            if (!bag.Duz())
                f.baglar << bag;
        }
        f.oncekiler = oncekiler.join(QLatin1Char(','));
        faaliyetler << f;
    }
    return Analiz(faaliyetler);
}

// Stages of `genislik` activities, each after one or two of the stage before (the first
// stage after the first activity): the columns' boxes stand at heights that leave no row
// free across several columns.
AgAnalizi KademeliAg(std::mt19937& uretec, int n, int genislik)
{
    QVector<KayitliFaaliyet> faaliyetler;
    for (int i = 0; i < n; ++i) {
        QStringList oncekiler;
        const int kademe = i / genislik * genislik;
        if (kademe == 0 && i > 0)
            oncekiler << Kod(0);
        for (int k = 0, kac = kademe == 0 ? 0 : int(1 + uretec() % 2); k < kac; ++k) {
            const QString kod = Kod(kademe - genislik + int(uretec() % unsigned(genislik)));
            if (!oncekiler.contains(kod))
                oncekiler << kod;
        }
        faaliyetler << KayitliFaaliyet{Kod(i), QStringLiteral("F"), {3, 3}, oncekiler.join(QLatin1Char(',')), {}};
    }
    return Analiz(faaliyetler);
}

// Whether an axis-parallel segment enters the inside of `r`.
bool Giriyor(const QPointF& a, const QPointF& b, const QRectF& r)
{
    return std::min(a.x(), b.x()) < r.right() && std::max(a.x(), b.x()) > r.left() && std::min(a.y(), b.y()) < r.bottom()
           && std::max(a.y(), b.y()) > r.top();
}

// Crossings after one barycentre pass down the columns from the first order the layout
// starts with: activities by row, then the points of long links, one chain for those that
// enter one side of one box, in the order of their first arrows.
qint64 TekGecis(const AgYerlesimi& y)
{
    QVector<int> kolon;
    for (const AgKutusu& k : y.kutular)
        kolon << k.katman;
    std::map<std::pair<int, bool>, int> zincir;
    QVector<std::pair<int, int>> zincirler; // the first column, the key's successor
    for (const AgOku& ok : y.oklar) {
        if (kolon[ok.ardil] - kolon[ok.onceki] < 2)
            continue;
        const auto [yer, yeni] = zincir.insert({{ok.ardil, ArdilinBaslamasi(ok.tur)}, int(zincirler.size())});
        if (yeni)
            zincirler.append({kolon[ok.onceki] + 1, ok.ardil});
        zincirler[yer->second].first = std::min(zincirler[yer->second].first, kolon[ok.onceki] + 1);
    }
    QVector<std::pair<int, int>> kenarlar;
    QVector<int> kukla;
    for (const auto& [bas, ardil] : zincirler) {
        kukla << int(kolon.size());
        for (int c = bas; c < kolon[ardil]; ++c) {
            if (c > bas)
                kenarlar.append({int(kolon.size()) - 1, int(kolon.size())});
            kolon << c;
        }
        kenarlar.append({int(kolon.size()) - 1, ardil});
    }
    for (const AgOku& ok : y.oklar) {
        const auto z = zincir.find({ok.ardil, ArdilinBaslamasi(ok.tur)});
        if (kolon[ok.ardil] - kolon[ok.onceki] < 2)
            kenarlar.append({ok.onceki, ok.ardil});
        else
            kenarlar.append({ok.onceki, kukla[z->second] + kolon[ok.onceki] + 1 - zincirler[z->second].first});
    }
    const int kolonSayisi = *std::max_element(kolon.cbegin(), kolon.cend()) + 1;
    QVector<QVector<int>> kolonlar(kolonSayisi);
    QVector<int> konum(kolon.size());
    for (int v = 0; v < kolon.size(); ++v) {
        konum[v] = int(kolonlar[kolon[v]].size());
        kolonlar[kolon[v]] << v;
    }
    for (int c = 1; c < kolonSayisi; ++c) {
        std::map<int, std::pair<double, int>> toplam;
        for (const auto& [u, v] : kenarlar) {
            if (kolon[v] == c)
                toplam[v].first += konum[u], ++toplam[v].second;
        }
        std::vector<std::pair<double, int>> anahtar;
        for (int v : kolonlar[c])
            anahtar.emplace_back(toplam.count(v) ? toplam[v].first / toplam[v].second : konum[v], v);
        std::sort(anahtar.begin(), anahtar.end());
        for (int i = 0; i < int(anahtar.size()); ++i)
            konum[anahtar[size_t(i)].second] = i;
    }
    qint64 sayi = 0;
    for (const auto& [u1, v1] : kenarlar) {
        for (const auto& [u2, v2] : kenarlar)
            sayi += kolon[u1] == kolon[u2] && konum[u1] < konum[u2] && konum[v1] > konum[v2];
    }
    return sayi;
}

// The line that carries link ok's head: its own, or the one it shares.
const QVector<QPointF>& BasliCizgi(const AgYerlesimi& y, const AgOku& ok)
{
    return ok.demet < 0 ? ok.noktalar : y.demetler.at(ok.demet).noktalar;
}

// Straight stretches, none entering a box; `soldan` lists the boxes by their left edges, so
// that a plan of thousands checks each stretch against the boxes it passes only.
void CizgiDenetle(const AgYerlesimi& y, const QVector<std::pair<double, int>>& soldan, const QVector<QPointF>& noktalar)
{
    for (int s = 1; s < noktalar.size(); ++s) {
        const QPointF u = noktalar[s - 1], v = noktalar[s];
        QVERIFY(u.x() == v.x() || u.y() == v.y());
        const double sol = std::min(u.x(), v.x()) - AgYerlesimi::KutuGenisligi, sag = std::max(u.x(), v.x());
        for (auto i = std::lower_bound(soldan.cbegin(), soldan.cend(), std::pair(sol, -1)); i != soldan.cend() && i->first < sag; ++i)
            QVERIFY2(!Giriyor(u, v, y.kutular[i->second].dikdortgen), qPrintable(QString::number(i->second)));
    }
}

// Whether `nokta` lies on one of the stretches of `cizgi`.
bool Uzerinde(const QPointF& nokta, const QVector<QPointF>& cizgi)
{
    for (int s = 1; s < cizgi.size(); ++s) {
        if (QRectF(cizgi[s - 1], cizgi[s]).normalized().adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(nokta))
            return true;
    }
    return false;
}

// Everything a layout must hold, checked on one plan: boxes inside and apart, saying what the
// analysis says; arrows left to right out of and into the sides their types mean, in straight
// stretches that enter no box; the same picture twice.
void YerlesimiDenetle(const AgAnalizi& analiz)
{
    const AgCizimi cizim(analiz, QFont(), {QStringLiteral("P")});
    const AgYerlesimi& y = cizim.yerlesim();
    const int n = int(analiz.faaliyetler.size());
    QCOMPARE(y.kutular.size(), n);
    QCOMPARE(y.oklar.size(), analiz.ag.onceki.size());
    for (int i = 0; i < n; ++i) {
        const FaaliyetAnalizi& f = analiz.faaliyetler[i];
        QCOMPARE(cizim.Yazilar(i), (QStringList{f.kodu, f.adi, QString::number(f.es), QString::number(f.ef),
                                                QString::number(f.ef - f.es), QString::number(f.toplamBolluk),
                                                QString::number(f.ls), QString::number(f.lf)}));
        QVERIFY(QRectF(QPointF(0, 0), y.boyut).contains(y.kutular[i].dikdortgen));
        for (int j = 0; j < i; ++j)
            QVERIFY2(!y.kutular[i].dikdortgen.intersects(y.kutular[j].dikdortgen), qPrintable(f.kodu));
    }
    QVector<std::pair<double, int>> soldan;
    for (int i = 0; i < n; ++i)
        soldan.append({y.kutular[i].dikdortgen.left(), i});
    std::sort(soldan.begin(), soldan.end());
    for (const AgOku& ok : y.oklar) {
        const QRectF p = y.kutular[ok.onceki].dikdortgen, a = y.kutular[ok.ardil].dikdortgen;
        QVERIFY(y.kutular[ok.onceki].katman < y.kutular[ok.ardil].katman);
        // Out of the side the type ties at the predecessor, into the one it ties at the successor.
        // At the side's middle, or just below it leaving and above it entering where both use the side.
        // A shared line is joined, and it runs on into that side.
        const QVector<QPointF>& uc = BasliCizgi(y, ok);
        QCOMPARE(ok.noktalar.first().x(), OncekininBaslamasi(ok.tur) ? p.left() : p.right());
        QVERIFY(ok.noktalar.first().y() >= p.center().y() && ok.noktalar.first().y() < p.bottom());
        QVERIFY(ok.demet < 0 || Uzerinde(ok.noktalar.last(), uc));
        QCOMPARE(uc.last().x(), ArdilinBaslamasi(ok.tur) ? a.left() : a.right());
        QVERIFY(uc.last().y() <= a.center().y() && uc.last().y() > a.top());
        CizgiDenetle(y, soldan, ok.noktalar);
        QVERIFY(!ok.belirleyici || (analiz.faaliyetler[ok.onceki].kritik && analiz.faaliyetler[ok.ardil].kritik));
    }
    // A shared line is critical from where the first driving link joins it.
    QVector<double> kritikten(y.demetler.size(), std::numeric_limits<double>::infinity());
    for (const AgOku& ok : y.oklar) {
        if (ok.demet >= 0 && ok.belirleyici)
            kritikten[ok.demet] = std::min(kritikten[ok.demet], ok.noktalar.last().x());
    }
    for (int d = 0; d < y.demetler.size(); ++d) {
        const AgDemeti& demet = y.demetler[d];
        CizgiDenetle(y, soldan, demet.noktalar);
        QCOMPARE(demet.kritikten >= 0, std::isfinite(kritikten[d]));
        QVERIFY(demet.kritikten < 0
                || (demet.kritikten < demet.noktalar.size() && demet.noktalar[demet.kritikten].x() == kritikten[d]));
    }
    // Two lines run along one stretch only where they leave one box or enter one box, or the
    // picture would tie activities that no link ties.
    std::vector<std::tuple<double, double, double, int, int>> yataylar; // height, from, to, predecessor, successor
    const auto yataylari = [&](const QVector<QPointF>& cizgi, int onceki, int ardil) {
        for (int s = 1; s < cizgi.size(); ++s) {
            if (cizgi[s - 1].y() == cizgi[s].y())
                yataylar.emplace_back(cizgi[s].y(), std::min(cizgi[s - 1].x(), cizgi[s].x()),
                                      std::max(cizgi[s - 1].x(), cizgi[s].x()), onceki, ardil);
        }
    };
    for (const AgOku& ok : y.oklar)
        yataylari(ok.noktalar, ok.onceki, ok.ardil);
    for (const AgDemeti& demet : y.demetler)
        yataylari(demet.noktalar, -1, demet.ardil);
    std::sort(yataylar.begin(), yataylar.end());
    for (size_t i = 0; i < yataylar.size(); ++i) {
        const auto& [y1, bas1, son1, onceki1, ardil1] = yataylar[i];
        for (size_t j = i + 1; j < yataylar.size() && std::get<0>(yataylar[j]) == y1 && std::get<1>(yataylar[j]) < son1; ++j) {
            const auto& [y2, bas2, son2, onceki2, ardil2] = yataylar[j];
            QVERIFY2(ardil1 == ardil2 || (onceki1 == onceki2 && onceki1 >= 0),
                     qPrintable(QStringLiteral("%1→%2, %3→%4").arg(onceki1).arg(ardil1).arg(onceki2).arg(ardil2)));
        }
    }
    // No link leaves a box where another enters it, or the two would read as one line.
    QSet<std::pair<double, double>> girisler;
    for (const AgOku& ok : y.oklar)
        girisler.insert({BasliCizgi(y, ok).last().x(), BasliCizgi(y, ok).last().y()});
    for (const AgOku& ok : y.oklar)
        QVERIFY(!girisler.contains({ok.noktalar.first().x(), ok.noktalar.first().y()}));
    QImage resim(8, 8, QImage::Format_RGB32);
    QPainter boyaci(&resim);
    const AgSayimi sayim = cizim.Ciz(boyaci);
    QCOMPARE(sayim.kutu, n);
    QCOMPARE(sayim.ok, int(y.oklar.size()));
    QCOMPARE(sayim.kritikKutu, int(std::count_if(analiz.faaliyetler.cbegin(), analiz.faaliyetler.cend(),
                                                 [](const FaaliyetAnalizi& f) { return f.kritik; })));
    // The same plan, the same picture.
    const AgYerlesimi yine = AgiYerlestir(analiz);
    for (int i = 0; i < n; ++i)
        QCOMPARE(yine.kutular[i].dikdortgen, y.kutular[i].dikdortgen);
    for (int k = 0; k < y.oklar.size(); ++k)
        QCOMPARE(yine.oklar[k].noktalar, y.oklar[k].noktalar);
}

} // namespace

class tst_AgCizimi : public QObject {
    Q_OBJECT

private slots:
    void rastgeleAglar_data()
    {
        QTest::addColumn<int>("tohum");
        QTest::addColumn<int>("enCok");
        QTest::addColumn<int>("kac");
        QTest::newRow("küçük") << 1 << 12 << 40;
        QTest::newRow("62 faaliyete kadar") << 2 << 62 << 40;
        QTest::newRow("300 faaliyet") << 3 << 300 << 3;
    }
    void rastgeleAglar()
    {
        QFETCH(int, tohum);
        QFETCH(int, enCok);
        QFETCH(int, kac);
        std::mt19937 uretec{unsigned(tohum)};
        for (int plan = 0; plan < kac; ++plan) {
            const AgAnalizi analiz = RastgeleAg(uretec, enCok <= 62 ? int(1 + uretec() % unsigned(enCok)) : enCok);
            QVERIFY(!analiz.hata.Var());
            YerlesimiDenetle(analiz);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Long links into many boxes, together longer than the points the layout threads between
    // the boxes: the longest run over them, and still enter no box.
    void seritler()
    {
        QVector<KayitliFaaliyet> faaliyetler;
        for (int i = 0; i < 1500; ++i) {
            QStringList oncekiler;
            for (int j : {i - 1, i - 400}) {
                if (j >= 0)
                    oncekiler << Kod(j);
            }
            faaliyetler << KayitliFaaliyet{Kod(i), QStringLiteral("F"), {2, 2}, oncekiler.join(QLatin1Char(',')), {}};
            if (i % 3 == 0 && i >= 400)
                faaliyetler.last().baglar << BagAyrintisi{Kod(i - 400), BagTuru::BitisBitis, 1};
        }
        const AgAnalizi analiz = Analiz(faaliyetler);
        const AgYerlesimi y = AgiYerlestir(analiz);
        QVERIFY(y.seritSayisi > 0);
        YerlesimiDenetle(analiz);
    }

    void kesismeler()
    {
        std::mt19937 uretec(62);
        qint64 sweep = 0, tekGecis = 0;
        for (int plan = 0; plan < 30; ++plan) {
            const AgYerlesimi y = AgiYerlestir(RastgeleAg(uretec, 62));
            QVERIFY(KesismeSayisi(y) <= TekGecis(y));
            sweep += KesismeSayisi(y);
            tekGecis += TekGecis(y);
        }
        qInfo("Kesişme: süpürmelerle %lld, tek ağırlık merkezi geçişiyle %lld", sweep, tekGecis);
    }

    // A diagram too large for a page goes over pages cut where no box is: the parts tile the
    // drawing, each box and each link's type and lag lies whole in one of them, and the PDF
    // has a page for each after the map.
    void sayfalarKutuKesmez_data()
    {
        QTest::addColumn<int>("tohum");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("kademe"); // activities in each stage; 0: a random plan
        QTest::newRow("tek sayfa") << 4 << 6 << 0;
        QTest::newRow("60 faaliyet") << 5 << 60 << 0;
        QTest::newRow("300 faaliyet") << 6 << 300 << 0;
        QTest::newRow("400 sayfadan çok") << 7 << 450 << 0;
        QTest::newRow("her kademede 8 faaliyet") << 8 << 400 << 8;
    }
    void sayfalarKutuKesmez()
    {
        QFETCH(int, tohum);
        QFETCH(int, n);
        QFETCH(int, kademe);
        std::mt19937 uretec{unsigned(tohum)};
        Rapor rapor;
        rapor.proje.ad = QStringLiteral("P");
        rapor.analiz = kademe > 0 ? KademeliAg(uretec, n, kademe) : RastgeleAg(uretec, n);
        const AgCizimi cizim = AgRaporCizimi(rapor, QFont());
        const AgSayfaPlani plan = AgSayfalariniPlanla(cizim, SayfaBoyacisi::Alan(RaporSayfaDuzeni(), DosyaYazisi(QFont())).size());
        QCOMPARE(plan.haritali(), n > 6);
        QVERIFY(plan.SayfaSayisi() <= 401);
        const QRectF butun(QPointF(0, 0), cizim.Boyut());
        const QVector<QRectF> parcalar = plan.haritali() ? plan.parcalar : QVector<QRectF>{butun};
        double alan = 0;
        for (int p = 0; p < parcalar.size(); ++p) {
            QVERIFY(butun.contains(parcalar[p]));
            alan += parcalar[p].width() * parcalar[p].height();
            for (int q = 0; q < p; ++q)
                // Parts that meet at an edge may overlap by a rounding of their corners' sums.
                QVERIFY(!parcalar[p].adjusted(1e-6, 1e-6, -1e-6, -1e-6).intersects(parcalar[q]));
        }
        QVERIFY(qFuzzyCompare(alan, butun.width() * butun.height()));
        for (int i = 0; i < n; ++i) {
            int icinde = 0;
            for (const QRectF& parca : parcalar) {
                icinde += parca.contains(cizim.Kutu(i));
                QVERIFY2(parca.contains(cizim.Kutu(i)) || !parca.intersects(cizim.Kutu(i)), qPrintable(QString::number(i)));
            }
            QCOMPARE(icinde, 1);
        }
        // Nor is a link's type and lag cut where a strip ends.
        for (int k = 0; k < cizim.yerlesim().oklar.size(); ++k) {
            const QRectF yazi = cizim.YaziAlani(k);
            for (const QRectF& parca : parcalar) {
                for (double x : {parca.left(), parca.right()}) {
                    const bool icte = x > 0 && x < butun.width() && parca.top() < yazi.bottom() && parca.bottom() > yazi.top();
                    QVERIFY(yazi.isNull() || !icte || yazi.right() <= x || yazi.left() >= x);
                }
            }
        }
        const QString pdf = QString::fromLatin1(AgGorseliYaz(rapor, GorselBicim::Pdf, QFont()));
        QCOMPARE(int(pdf.count(QRegularExpression(QStringLiteral("/Type /Page\\b(?!s)")))), plan.SayfaSayisi());
    }
};

QTEST_MAIN(tst_AgCizimi)
#include "tst_AgCizimi.moc"
