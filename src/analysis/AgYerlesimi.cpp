#include "analysis/AgYerlesimi.h"

#include "kernel/Hesap.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <numeric>
#include <queue>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The measures around the boxes, in layout units.
constexpr double KuklaYuksekligi = 12; // the slot a long link takes in a column it passes
constexpr double SatirArasi = 28;      // between two slots in a column: a link round a box runs near its middle
constexpr double KanalAyrimi = SatirArasi / 6; // how far off the middle: above it into a finish, below out of a start
constexpr double EnAzSutunArasi = 72;  // room for a link's type and lag beside its arrow
constexpr double EnCokSutunArasi = 400;
constexpr double IzAraligi = 8;        // between two vertical runs in one gap
constexpr double Kenar = 64;           // round the whole: links round a first or last box turn there, their types beside them
constexpr double SeritAraligi = 8;     // between two lanes over the boxes
constexpr int EnCokTur = 8;            // rounds of sweeps down and up
// Nodes and lines a layout visits in all its sweeps, swaps and counts, about: a plan whose
// long links pass thousands of columns gets fewer rounds rather than a wait.
constexpr qint64 SupurmeButcesi = 3'000'000;
// Points that long links may take between the boxes, about; past it the longest go over the
// boxes in lanes, so that neither time nor memory grows with the sum of the links' lengths.
constexpr qint64 KuklaButcesi = 200'000;

// The long links that enter one side of one box: threaded as one chain of points, one per
// column from the column after the leftmost of their predecessors, or run along one lane
// over all the boxes.
struct Zincir {
    int ardil = -1;
    bool baslamaya = true;
    int bas = 0;    // the first column it passes
    int kukla = -1; // its point in column `bas`, the next columns' following on; −1 on a lane
    int serit = -1; // its lane
    int uye = 0;    // how many links share it
};

// The network as the sweeps see it: the activities, then the points of the chains, each
// joined only to its neighbours in the next column either side.
struct Katmanli {
    int n = 0;                       // activities; nodes n and on are the points of long links
    int kolonSayisi = 0;
    QVector<int> kolon;              // by node
    QVector<int> zincir;             // by link: the chain it joins, −1 for one to the next column
    QVector<Zincir> zincirler;
    int seritSayisi = 0;
    QVector<int> solBasi, sol, sagBasi, sag; // each node's neighbours to the left and to the right
    QVector<QVector<int>> kolonlar;  // each column's nodes from the top
    QVector<int> konum;              // each node's place in its column

    int Dugum() const { return int(kolon.size()); }
    // Chain z's point in column c.
    int Kukla(int z, int c) const { return zincirler[z].kukla + c - zincirler[z].bas; }
    int Uzunluk(const Zincir& z) const { return kolon[z.ardil] - z.bas; }
};

// Each activity's column: one right of its furthest predecessor's, counted in links.
QVector<int> Kolonlar(const PlanAgi& ag)
{
    QVector<int> dongu;
    const QVector<int> sira = Sirala(ag, dongu);
    QVector<int> kolon(ag.boyut, 0);
    for (int i : sira) {
        for (int k = ag.girenBasi[i]; k < ag.girenBasi[i + 1]; ++k)
            kolon[i] = std::max(kolon[i], kolon[ag.onceki[k]] + 1);
    }
    return kolon;
}

// Every line between neighbouring columns once: a link to the next column, a long link to
// its chain, and each chain's points to its box.
template <typename F>
void KenarlarBoyunca(const Katmanli& g, const PlanAgi& ag, F&& f)
{
    for (int k = 0; k < ag.onceki.size(); ++k) {
        const int p = ag.onceki[k], z = g.zincir[k];
        if (z < 0)
            f(p, ag.ardil[k]);
        else if (g.zincirler[z].kukla >= 0)
            f(p, g.Kukla(z, g.kolon[p] + 1));
    }
    for (int z = 0; z < g.zincirler.size(); ++z) {
        const Zincir& zincir = g.zincirler[z];
        if (zincir.kukla < 0)
            continue;
        const int son = g.kolon[zincir.ardil] - 1;
        for (int c = zincir.bas; c < son; ++c)
            f(g.Kukla(z, c), g.Kukla(z, c + 1));
        f(g.Kukla(z, son), zincir.ardil);
    }
}

void KomsulariKur(Katmanli& g, const PlanAgi& ag)
{
    const int N = g.Dugum();
    g.solBasi.fill(0, N + 1);
    g.sagBasi.fill(0, N + 1);
    KenarlarBoyunca(g, ag, [&](int u, int v) {
        ++g.sagBasi[u + 1];
        ++g.solBasi[v + 1];
    });
    for (int v = 0; v < N; ++v) {
        g.solBasi[v + 1] += g.solBasi[v];
        g.sagBasi[v + 1] += g.sagBasi[v];
    }
    g.sol.resize(g.solBasi[N]);
    g.sag.resize(g.sagBasi[N]);
    QVector<int> solDolu = g.solBasi, sagDolu = g.sagBasi;
    KenarlarBoyunca(g, ag, [&](int u, int v) {
        g.sag[sagDolu[u]++] = v;
        g.sol[solDolu[v]++] = u;
    });
}

// Groups the long links by the box and side they enter, in the order they are listed.
void ZincirleriKur(Katmanli& g, const PlanAgi& ag)
{
    const int baglar = int(ag.onceki.size());
    g.zincir.fill(-1, baglar);
    QHash<qint64, int> bulunan;
    for (int k = 0; k < baglar; ++k) {
        const int p = ag.onceki[k], a = ag.ardil[k];
        if (g.kolon[a] - g.kolon[p] < 2)
            continue;
        const bool baslamaya = ArdilinBaslamasi(ag.tur[k]);
        const qint64 anahtar = qint64(a) * 2 + baslamaya;
        auto yer = bulunan.find(anahtar);
        if (yer == bulunan.end()) {
            yer = bulunan.insert(anahtar, int(g.zincirler.size()));
            g.zincirler.append({a, baslamaya, g.kolon[p] + 1, -1, -1, 0});
        }
        const int z = *yer;
        Zincir& zincir = g.zincirler[z];
        zincir.bas = std::min(zincir.bas, g.kolon[p] + 1);
        ++zincir.uye;
        g.zincir[k] = z;
    }
}

// Over the budget, the longest chains go to lanes over the boxes; a lane holds chains one
// after another, from the gap where the first of its links rises to the gap where it comes down.
void SeritleriSec(Katmanli& g)
{
    qint64 toplam = 0;
    for (const Zincir& z : g.zincirler)
        toplam += g.Uzunluk(z);
    if (toplam <= KuklaButcesi)
        return;
    QVector<int> sira(g.zincirler.size());
    std::iota(sira.begin(), sira.end(), 0);
    std::stable_sort(sira.begin(), sira.end(),
                     [&](int a, int b) { return g.Uzunluk(g.zincirler[a]) > g.Uzunluk(g.zincirler[b]); });
    QVector<int> seritte;
    for (int i = 0; i < sira.size() && toplam > KuklaButcesi; ++i) {
        toplam -= g.Uzunluk(g.zincirler[sira[i]]);
        seritte.append(sira[i]);
    }
    std::sort(seritte.begin(), seritte.end(),
              [&](int a, int b) { return std::pair(g.zincirler[a].bas, a) < std::pair(g.zincirler[b].bas, b); });
    using Dolu = std::pair<int, int>; // the gap where its last chain comes down, the lane
    std::priority_queue<Dolu, std::vector<Dolu>, std::greater<Dolu>> dolu;
    std::set<int> bos;
    for (int z : seritte) {
        Zincir& zincir = g.zincirler[z];
        for (; !dolu.empty() && dolu.top().first < zincir.bas; dolu.pop())
            bos.insert(dolu.top().second);
        zincir.serit = bos.empty() ? g.seritSayisi++ : *bos.begin();
        bos.erase(zincir.serit);
        dolu.push({g.kolon[zincir.ardil], zincir.serit});
    }
}

Katmanli KatmanlaraAyir(const PlanAgi& ag)
{
    Katmanli g;
    g.n = ag.boyut;
    g.kolon = Kolonlar(ag);
    ZincirleriKur(g, ag);
    SeritleriSec(g);
    for (Zincir& z : g.zincirler) {
        if (z.serit >= 0)
            continue;
        z.kukla = g.Dugum();
        for (int c = z.bas; c < g.kolon[z.ardil]; ++c)
            g.kolon.append(c);
    }
    for (int c : g.kolon)
        g.kolonSayisi = std::max(g.kolonSayisi, c + 1);
    KomsulariKur(g, ag);
    // At first by stored row, and the points of chains by chain after the activities.
    g.kolonlar.resize(g.kolonSayisi);
    g.konum.resize(g.Dugum());
    for (int v = 0; v < g.Dugum(); ++v) {
        g.konum[v] = int(g.kolonlar[g.kolon[v]].size());
        g.kolonlar[g.kolon[v]].append(v);
    }
    return g;
}

// Pairs i < j with dizi[i] > dizi[j], every value in 0 .. ust − 1: each pair of lines
// between two columns that cross, when `dizi` lists where they end in the order they start.
qint64 TersCiftler(const std::vector<int>& dizi, int ust)
{
    std::vector<int> agac(size_t(ust) + 1, 0);
    qint64 ters = 0;
    for (size_t j = 0; j < dizi.size(); ++j) {
        // How many before j are at or below dizi[j]; the rest are above it.
        int kac = 0;
        for (int x = dizi[j] + 1; x > 0; x -= x & -x)
            kac += agac[size_t(x)];
        ters += qint64(j) - kac;
        for (int x = dizi[j] + 1; x <= ust; x += x & -x)
            ++agac[size_t(x)];
    }
    return ters;
}

qint64 Kesisme(const Katmanli& g, int c, std::vector<int>& dizi)
{
    dizi.clear();
    for (int u : g.kolonlar[c]) {
        const size_t bas = dizi.size();
        for (int e = g.sagBasi[u]; e < g.sagBasi[u + 1]; ++e)
            dizi.push_back(g.konum[g.sag[e]]);
        std::sort(dizi.begin() + qsizetype(bas), dizi.end());
    }
    return TersCiftler(dizi, int(g.kolonlar[c + 1].size()));
}

qint64 ToplamKesisme(const Katmanli& g)
{
    std::vector<int> dizi;
    qint64 toplam = 0;
    for (int c = 0; c + 1 < g.kolonSayisi; ++c)
        toplam += Kesisme(g, c, dizi);
    return toplam;
}

// Orders column c by the mean place of each node's neighbours on one side; a node with
// none there keeps its own place as its mean. Ties go by node, so by stored row.
void AgirlikMerkezineGore(Katmanli& g, int c, bool soldan, std::vector<std::pair<double, int>>& anahtar)
{
    const QVector<int>& bas = soldan ? g.solBasi : g.sagBasi;
    const QVector<int>& komsu = soldan ? g.sol : g.sag;
    anahtar.clear();
    for (int v : g.kolonlar[c]) {
        double toplam = 0;
        for (int e = bas[v]; e < bas[v + 1]; ++e)
            toplam += g.konum[komsu[e]];
        const int kac = bas[v + 1] - bas[v];
        anahtar.emplace_back(kac > 0 ? toplam / kac : double(g.konum[v]), v);
    }
    std::sort(anahtar.begin(), anahtar.end());
    for (int i = 0; i < int(anahtar.size()); ++i) {
        g.kolonlar[c][i] = anahtar[size_t(i)].second;
        g.konum[anahtar[size_t(i)].second] = i;
    }
}

// The crossings between the lines of u and those of v on one side when u stands just above
// v, and when v does; what was read is taken from `butce`.
std::pair<qint64, qint64> CiftKesismesi(const Katmanli& g, int u, int v, bool soldan, std::vector<int>& a,
                                        std::vector<int>& b, qint64& butce)
{
    const QVector<int>& bas = soldan ? g.solBasi : g.sagBasi;
    const QVector<int>& komsu = soldan ? g.sol : g.sag;
    const auto topla = [&](int w, std::vector<int>& yerler) {
        yerler.clear();
        for (int e = bas[w]; e < bas[w + 1]; ++e)
            yerler.push_back(g.konum[komsu[e]]);
        std::sort(yerler.begin(), yerler.end());
    };
    topla(u, a);
    topla(v, b);
    butce -= qint64(a.size() + b.size()) + 1;
    // Pairs with u's line below v's cross as they stand; pairs with it above cross once swapped.
    qint64 ustte = 0, altta = 0;
    size_t kucuk = 0, esit = 0;
    for (int x : a) {
        while (kucuk < b.size() && b[kucuk] < x)
            ++kucuk;
        esit = std::max(esit, kucuk);
        while (esit < b.size() && b[esit] <= x)
            ++esit;
        ustte += qint64(kucuk);
        altta += qint64(b.size() - esit);
    }
    return {ustte, altta};
}

// Swaps neighbours in each column wherever that alone crosses fewer lines, a few passes.
void KomsulariDegistir(Katmanli& g, qint64& butce)
{
    std::vector<int> a, b;
    for (int gecis = 0; gecis < 4 && butce > 0; ++gecis) {
        bool degisti = false;
        for (int c = 0; c < g.kolonSayisi; ++c) {
            QVector<int>& kolon = g.kolonlar[c];
            for (int i = 0; i + 1 < kolon.size(); ++i) {
                const int u = kolon[i], v = kolon[i + 1];
                const auto sol = CiftKesismesi(g, u, v, true, a, b, butce);
                const auto sag = CiftKesismesi(g, u, v, false, a, b, butce);
                if (sol.second + sag.second >= sol.first + sag.first)
                    continue;
                std::swap(kolon[i], kolon[i + 1]);
                g.konum[u] = i + 1;
                g.konum[v] = i;
                degisti = true;
            }
        }
        if (!degisti)
            break;
    }
}

// Sweeps down the columns and back up, several rounds, each sweep followed by swaps of
// neighbours, keeping the order with the fewest crossings seen: never worse than the order
// the first sweep down alone would give.
void KesismeleriAzalt(Katmanli& g)
{
    qint64 enAz = ToplamKesisme(g);
    QVector<QVector<int>> enIyi = g.kolonlar;
    std::vector<std::pair<double, int>> anahtar;
    int bosTur = 0;
    // The first sweep down is always made, whatever the plan's size.
    qint64 butce = SupurmeButcesi;
    for (int tur = 0; tur < EnCokTur && enAz > 0 && bosTur < 2 && butce > 0; ++tur) {
        bool iyilesti = false;
        for (bool soldan : {true, false}) {
            if (butce <= 0)
                break;
            for (int i = 1; i < g.kolonSayisi; ++i)
                AgirlikMerkezineGore(g, soldan ? i : g.kolonSayisi - 1 - i, soldan, anahtar);
            butce -= g.Dugum();
            KomsulariDegistir(g, butce);
            const qint64 sayi = ToplamKesisme(g);
            butce -= g.Dugum() + qint64(g.sag.size());
            if (sayi < enAz) {
                enAz = sayi;
                enIyi = g.kolonlar;
                iyilesti = true;
            }
        }
        bosTur = iyilesti ? 0 : bosTur + 1;
    }
    g.kolonlar = enIyi;
    for (const QVector<int>& kolon : g.kolonlar) {
        for (int i = 0; i < kolon.size(); ++i)
            g.konum[kolon[i]] = i;
    }
}

double Yukseklik(const Katmanli& g, int v)
{
    return v < g.n ? AgYerlesimi::KutuYuksekligi : KuklaYuksekligi;
}

// Puts one column's nodes as near their wanted centres as their order and the gaps
// between them allow, least squares (pool-adjacent-violators on the centres less the
// least offsets).
void KolonuYerlestir(const Katmanli& g, int c, const QVector<double>& istenen, QVector<double>& y)
{
    const QVector<int>& kolon = g.kolonlar[c];
    std::vector<double> ofset(size_t(kolon.size()), 0);
    for (int i = 1; i < kolon.size(); ++i)
        ofset[size_t(i)] = ofset[size_t(i) - 1] + (Yukseklik(g, kolon[i - 1]) + Yukseklik(g, kolon[i])) / 2 + SatirArasi;
    std::vector<std::pair<double, int>> bloklar; // sum and count
    for (int i = 0; i < kolon.size(); ++i) {
        bloklar.emplace_back(istenen[kolon[i]] - ofset[size_t(i)], 1);
        while (bloklar.size() > 1) {
            const auto& b = bloklar.back();
            const auto& a = bloklar[bloklar.size() - 2];
            if (a.first / a.second <= b.first / b.second)
                break;
            const std::pair<double, int> birlesik{a.first + b.first, a.second + b.second};
            bloklar.pop_back();
            bloklar.back() = birlesik;
        }
    }
    int i = 0;
    for (const auto& b : bloklar) {
        for (int j = 0; j < b.second; ++j, ++i)
            y[kolon[i]] = b.first / b.second + ofset[size_t(i)];
    }
}

// Each node's centre: stacked, then pulled towards its left neighbours, then its right
// ones, then both, column by column; all below the lanes.
QVector<double> DikeyKonumlar(const Katmanli& g)
{
    QVector<double> y(g.Dugum(), 0), istenen(g.Dugum(), 0);
    const auto ortalama = [&](int v, bool soldan, bool sagdan) {
        double toplam = 0;
        int kac = 0;
        for (int e = g.solBasi[v]; soldan && e < g.solBasi[v + 1]; ++e, ++kac)
            toplam += y[g.sol[e]];
        for (int e = g.sagBasi[v]; sagdan && e < g.sagBasi[v + 1]; ++e, ++kac)
            toplam += y[g.sag[e]];
        return kac > 0 ? toplam / kac : y[v];
    };
    const auto gecis = [&](bool ileri, bool soldan, bool sagdan) {
        for (int i = 0; i < g.kolonSayisi; ++i) {
            const int c = ileri ? i : g.kolonSayisi - 1 - i;
            for (int v : g.kolonlar[c])
                istenen[v] = ortalama(v, soldan, sagdan);
            KolonuYerlestir(g, c, istenen, y);
        }
    };
    gecis(true, true, false);
    gecis(false, false, true);
    gecis(true, true, true);
    double enUst = 0;
    for (int v = 0; v < g.Dugum(); ++v)
        enUst = std::min(enUst, y[v] - Yukseklik(g, v) / 2);
    for (double& d : y)
        d += Kenar + g.seritSayisi * SeritAraligi + SatirArasi - enUst;
    return y;
}

// Where a vertical run stands in its gap, from left to right: one that comes to the box on its
// left only (into a finish); one that rises from a box to a lane over the boxes; the others; one
// that comes down from a lane to a box; one that goes to the box on its right only (out of a
// start). So a run's stretch towards a box never lies along another's stretch the other way at
// the same height, as when the boxes either side of the gap stand level.
enum IzYeri : quint8 { Solda, SeriteCikan, Arada, SerittenInen, Sagda };
// Runs in one gap, by IzYeri.
using IzSayilari = std::array<int, 5>;

// A corner of an arrow before the gaps are measured: its x is a column's edge or a
// vertical run's place in a gap (gap g lies left of column g) among the runs of its IzYeri.
struct Kose {
    enum Tur : quint8 { Sol, Sag, Iz } tur;
    int kolon, iz;
    double y;
    IzYeri yer = Arada;
};

struct Rota {
    const Katmanli& g;
    const QVector<double>& y;
    QVector<IzSayilari> izSayisi; // by gap
    QVector<Kose> koseler;
    QVector<quint8> paylasilan; // by activity: 1 its left side, 2 its right, where links both leave and enter

    // Where a link meets a box's side: its middle, unless links both leave and enter by that
    // side; then those leaving keep below the middle and those entering above, so that no two
    // share a stretch of line and a type written at a link's start is read on its own link.
    double Cikis(int v, bool sol) const { return y[v] + Kaydirma(v, sol); }
    double Giris(int v, bool sol) const { return y[v] - Kaydirma(v, sol); }
    double Kaydirma(int v, bool sol) const
    {
        return paylasilan[v] & (sol ? 1 : 2) ? AgYerlesimi::KutuYuksekligi / 6 : 0;
    }
    static double Serit(int serit) { return Kenar + serit * SeritAraligi; }
    // Where chain z runs in column c.
    double ZincirYeri(int z, int c) const
    {
        const Zincir& zincir = g.zincirler[z];
        return zincir.kukla >= 0 ? y[g.Kukla(z, c)] : Serit(zincir.serit);
    }

    void Iz(int bosluk, double y1, double y2, IzYeri yer = Arada)
    {
        const int iz = izSayisi[bosluk][yer]++;
        koseler.append({Kose::Iz, bosluk, iz, y1, yer});
        koseler.append({Kose::Iz, bosluk, iz, y2, yer});
    }
    // The gap above node v's box, where a link goes round it: one coming to its finish a little
    // above the middle, one leaving its start a little below, so that the two never run over
    // the box as one line.
    double Kanal(int v, bool giris) const
    {
        return y[v] - AgYerlesimi::KutuYuksekligi / 2 - SatirArasi / 2 + (giris ? -KanalAyrimi : KanalAyrimi);
    }

    // Out of the side of the predecessor's box its type ties, to the right edge of its column.
    void Cik(const PlanAgi& ag, int k, int& c, double& yy)
    {
        const int p = ag.onceki[k];
        c = g.kolon[p];
        yy = Cikis(p, OncekininBaslamasi(ag.tur[k]));
        if (OncekininBaslamasi(ag.tur[k])) {
            koseler.append({Kose::Sol, c, 0, yy});
            Iz(c, yy, Kanal(p, false), Sagda);
            yy = Kanal(p, false);
        } else {
            koseler.append({Kose::Sag, c, 0, yy});
        }
    }
    // Across the gap right of column c, to `hedef` in the next column.
    void Gec(int& c, double& yy, double hedef, IzYeri yer = Arada)
    {
        if (hedef != yy)
            Iz(c + 1, yy, hedef, yer);
        yy = hedef;
        ++c;
    }
    // From column c, the one before box a's, into the side of a that `baslamaya` says.
    void Gir(int a, bool baslamaya, int c, double yy, IzYeri yer = Arada)
    {
        Gec(c, yy, baslamaya ? Giris(a, true) : Kanal(a, true), yer);
        if (baslamaya) {
            koseler.append({Kose::Sol, c, 0, yy});
        } else {
            Iz(c + 1, yy, Giris(a, false), Solda);
            koseler.append({Kose::Sag, c, 0, Giris(a, false)});
        }
    }
    // Along chain z from column c, where it runs at yy, to its box: a lane runs straight on.
    // `kolonBaslari`: with a corner where each column begins.
    void ZincirBoyunca(int z, int c, double yy, bool kolonBaslari = false)
    {
        const Zincir& zincir = g.zincirler[z];
        const int son = g.kolon[zincir.ardil] - 1;
        while ((zincir.kukla >= 0 || kolonBaslari) && c < son) {
            Gec(c, yy, ZincirYeri(z, c + 1));
            if (kolonBaslari)
                koseler.append({Kose::Sol, c, 0, yy});
        }
        Gir(zincir.ardil, zincir.baslamaya, son, yy, zincir.kukla < 0 ? SerittenInen : Arada);
    }

    // Link k from its predecessor's side: to its successor's side, or where it joins the line
    // it shares with others.
    void Ciz(const PlanAgi& ag, int k)
    {
        koseler.clear();
        int c = 0;
        double yy = 0;
        Cik(ag, k, c, yy);
        const int z = g.zincir[k];
        if (z < 0)
            return Gir(ag.ardil[k], ArdilinBaslamasi(ag.tur[k]), c, yy);
        Gec(c, yy, ZincirYeri(z, c + 1), g.zincirler[z].kukla < 0 ? SeriteCikan : Arada);
        if (g.zincirler[z].uye == 1)
            return ZincirBoyunca(z, c, yy);
        koseler.append({Kose::Sol, c, 0, yy});
    }
    // The line chain z's links share, from its first column to its box, with a corner where
    // each column begins, so that the one where a link joins it is among its points.
    void Demet(int z)
    {
        koseler.clear();
        const int c = g.zincirler[z].bas;
        koseler.append({Kose::Sol, c, 0, ZincirYeri(z, c)});
        ZincirBoyunca(z, c, ZincirYeri(z, c), true);
    }
};

// Where each column starts once every gap is as wide as its vertical runs need.
struct Sutunlar {
    QVector<double> sol;     // by column
    QVector<double> bosluk;  // by gap: its left edge and width
    QVector<double> genislik;
    QVector<IzSayilari> izSayisi;
    double toplam = 0;

    explicit Sutunlar(const QVector<IzSayilari>& izler) : izSayisi(izler)
    {
        const int kolonSayisi = int(izler.size()) - 1;
        double x = 0;
        for (int b = 0; b <= kolonSayisi; ++b) {
            const bool kenar = b == 0 || b == kolonSayisi;
            const double gerekli = double(Toplam(izler[b]) + 1) * IzAraligi;
            bosluk.append(x);
            genislik.append(std::clamp(gerekli, kenar ? Kenar : EnAzSutunArasi, EnCokSutunArasi));
            x += genislik.last();
            if (b < kolonSayisi) {
                sol.append(x);
                x += AgYerlesimi::KutuGenisligi;
            }
        }
        toplam = x;
    }
    QPointF Nokta(const Kose& k) const
    {
        switch (k.tur) {
        case Kose::Sol:
            return {sol[k.kolon], k.y};
        case Kose::Sag:
            return {sol[k.kolon] + AgYerlesimi::KutuGenisligi, k.y};
        case Kose::Iz:
            break;
        }
        const IzSayilari& izler = izSayisi[k.kolon];
        const int sira = std::accumulate(izler.cbegin(), izler.cbegin() + k.yer, k.iz);
        return {bosluk[k.kolon] + genislik[k.kolon] * double(sira + 1) / double(Toplam(izler) + 1), k.y};
    }
    static int Toplam(const IzSayilari& izler) { return std::accumulate(izler.cbegin(), izler.cend(), 0); }
};

// Whether link k drives its successor between two critical activities.
bool Belirleyici(const AgAnalizi& analiz, int k)
{
    const PlanAgi& ag = analiz.ag;
    const FaaliyetAnalizi& p = analiz.faaliyetler.at(ag.onceki[k]);
    const FaaliyetAnalizi& a = analiz.faaliyetler.at(ag.ardil[k]);
    return p.kritik && a.kritik && BagaGoreBaslama(ag, k, p.es, p.ef, qint64(a.ef) - a.es) == a.es;
}

// By activity, the sides (1 left, 2 right) that links both leave and enter.
QVector<quint8> Paylasilanlar(const PlanAgi& ag, int n)
{
    QVector<quint8> cikan(n, 0), giren(n, 0), paylasilan(n, 0);
    for (int k = 0; k < ag.onceki.size(); ++k) {
        cikan[ag.onceki[k]] |= OncekininBaslamasi(ag.tur[k]) ? 1 : 2;
        giren[ag.ardil[k]] |= ArdilinBaslamasi(ag.tur[k]) ? 1 : 2;
    }
    for (int i = 0; i < n; ++i)
        paylasilan[i] = cikan[i] & giren[i];
    return paylasilan;
}

// The corners as points, dropping a corner that repeats the one before it; compared exactly,
// as QPointF's own comparison is fuzzy.
QVector<QPointF> Noktalar(const Sutunlar& sutunlar, const QVector<Kose>& koseler)
{
    QVector<QPointF> noktalar;
    for (const Kose& kose : koseler) {
        const QPointF nokta = sutunlar.Nokta(kose);
        if (noktalar.isEmpty() || noktalar.last().x() != nokta.x() || noktalar.last().y() != nokta.y())
            noktalar.append(nokta);
    }
    return noktalar;
}

// Chain z's place from the top in each column from `ilk` to the one before its box; none on a lane.
QVector<int> Siralar(const Katmanli& g, int z, int ilk)
{
    QVector<int> siralar;
    const Zincir& zincir = g.zincirler[z];
    for (int c = ilk; zincir.kukla >= 0 && c < g.kolon[zincir.ardil]; ++c)
        siralar.append(g.konum[g.Kukla(z, c)]);
    return siralar;
}

// A driving link joins `demet` at `nokta`, one of its points: from there on it is critical.
void KritikKatilim(AgDemeti& demet, const QPointF& nokta)
{
    const int yer = int(std::find(demet.noktalar.cbegin(), demet.noktalar.cend(), nokta) - demet.noktalar.cbegin());
    if (demet.kritikten < 0 || yer < demet.kritikten)
        demet.kritikten = yer;
}

void OklariKur(const AgAnalizi& analiz, const Katmanli& g, const QVector<double>& y, AgYerlesimi& sonuc)
{
    const PlanAgi& ag = analiz.ag;
    const int baglar = int(ag.onceki.size());
    Rota rota{g, y, QVector<IzSayilari>(g.kolonSayisi + 1, IzSayilari{}), {}, Paylasilanlar(ag, g.n)};
    QVector<QVector<Kose>> koseler(baglar);
    for (int k = 0; k < baglar; ++k) {
        rota.Ciz(ag, k);
        koseler[k] = rota.koseler;
    }
    // The lines that several links share, each once.
    QVector<int> demet(g.zincirler.size(), -1);
    QVector<QVector<Kose>> demetKoseleri;
    for (int z = 0; z < g.zincirler.size(); ++z) {
        if (g.zincirler[z].uye < 2)
            continue;
        demet[z] = int(demetKoseleri.size());
        rota.Demet(z);
        demetKoseleri.append(rota.koseler);
        const Zincir& zincir = g.zincirler[z];
        sonuc.demetler.append({zincir.ardil, zincir.baslamaya, {}, -1, zincir.bas, Siralar(g, z, zincir.bas)});
    }
    const Sutunlar sutunlar(rota.izSayisi);
    for (int i = 0; i < g.n; ++i) {
        AgKutusu& kutu = sonuc.kutular[i];
        kutu.dikdortgen = QRectF(sutunlar.sol[kutu.katman], y[i] - AgYerlesimi::KutuYuksekligi / 2,
                                 AgYerlesimi::KutuGenisligi, AgYerlesimi::KutuYuksekligi);
    }
    for (int d = 0; d < demetKoseleri.size(); ++d)
        sonuc.demetler[d].noktalar = Noktalar(sutunlar, demetKoseleri[d]);
    sonuc.oklar.reserve(baglar);
    for (int k = 0; k < baglar; ++k) {
        AgOku ok{ag.onceki[k], ag.ardil[k], ag.tur[k], qint32(ag.gecikme[k]), Belirleyici(analiz, k),
                 Noktalar(sutunlar, koseler[k]), {}, -1};
        const int z = g.zincir[k];
        if (z >= 0 && demet[z] < 0) {
            ok.araSiralar = Siralar(g, z, g.kolon[ok.onceki] + 1);
        } else if (z >= 0) {
            ok.demet = demet[z];
            if (ok.belirleyici)
                KritikKatilim(sonuc.demetler[ok.demet], ok.noktalar.last());
        }
        sonuc.oklar.append(ok);
    }
    double alt = 0;
    for (double d : y)
        alt = std::max(alt, d + AgYerlesimi::KutuYuksekligi / 2);
    sonuc.seritSayisi = g.seritSayisi;
    sonuc.boyut = QSizeF(sutunlar.toplam, alt + SatirArasi + Kenar);
}

} // namespace

AgYerlesimi AgiYerlestir(const AgAnalizi& analiz)
{
    AgYerlesimi sonuc;
    if (analiz.hata.Var() || analiz.faaliyetler.isEmpty() || analiz.ag.boyut != analiz.faaliyetler.size())
        return sonuc;
    Katmanli g = KatmanlaraAyir(analiz.ag);
    KesismeleriAzalt(g);
    const QVector<double> y = DikeyKonumlar(g);
    sonuc.kutular.resize(g.n);
    for (int i = 0; i < g.n; ++i)
        sonuc.kutular[i] = {i, g.kolon[i], g.konum[i], QRectF()};
    OklariKur(analiz, g, y, sonuc);
    return sonuc;
}

qint64 KesismeSayisi(const AgYerlesimi& yerlesim)
{
    // Each arrow's lines between adjacent columns, as (column, place on the left, place on
    // the right); a line that arrows share counts once, and one over the boxes not at all.
    std::vector<std::tuple<int, int, int>> cizgiler;
    int enCok = 0;
    for (const AgOku& ok : yerlesim.oklar) {
        const AgKutusu& p = yerlesim.kutular.at(ok.onceki);
        const AgKutusu& a = yerlesim.kutular.at(ok.ardil);
        const int ara = a.katman - p.katman - 1;
        const QVector<int>& siralar = ok.demet < 0 ? ok.araSiralar : yerlesim.demetler.at(ok.demet).siralar;
        const int bas = ok.demet < 0 ? 0 : p.katman + 1 - yerlesim.demetler.at(ok.demet).ilkKolon;
        if (siralar.size() - bas != ara)
            continue;
        int onceki = p.sira;
        for (int i = 0; i <= ara; ++i) {
            const int sonraki = i < ara ? siralar[bas + i] : a.sira;
            cizgiler.emplace_back(p.katman + i, onceki, sonraki);
            enCok = std::max(enCok, sonraki + 1);
            onceki = sonraki;
        }
    }
    std::sort(cizgiler.begin(), cizgiler.end());
    cizgiler.erase(std::unique(cizgiler.begin(), cizgiler.end()), cizgiler.end());
    qint64 toplam = 0;
    std::vector<int> dizi;
    for (size_t i = 0; i < cizgiler.size();) {
        dizi.clear();
        const int kolon = std::get<0>(cizgiler[i]);
        for (; i < cizgiler.size() && std::get<0>(cizgiler[i]) == kolon; ++i)
            dizi.push_back(std::get<2>(cizgiler[i]));
        toplam += TersCiftler(dizi, enCok);
    }
    return toplam;
}
