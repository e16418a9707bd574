#include "risk/RiskHesabi.h"

#include "analysis/Ag.h"
#include "analysis/PlanKarsilastirmasi.h"
#include "risk/Ornekleme.h"

#include <QThread>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <mutex>
#include <numeric>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Iterations drawn from one generator. Small enough that 1,000 iterations still share
// out over threads and a stop comes soon.
constexpr int BlokBoyu = 256;
// The draws of one activity in one block lie together, BlokBoyu of them and 16 more: a
// stride of a whole kilobyte would put an iteration's writes on a few cache sets.
constexpr int BlokAdimi = BlokBoyu + 16;
// N³ must fit in 63 bits for the rank sums to stay exact.
constexpr int EnCokYineleme = 1000000;
constexpr auto RaporAraligi = std::chrono::milliseconds(50);

int BitUzunlugu(quint64 x)
{
    int n = 0;
    for (; x; x >>= 1)
        ++n;
    return n;
}

// The network and the draws' layout, built once for the whole run.
struct Model {
    int boyut = 0;
    PlanAgi ag; // the analysis' links
    std::vector<SureOrnekleyici> sureler;
    std::vector<int> sutun; // where an activity with spread keeps its draws; -1 without spread
    std::vector<int> bayt;  // how many bytes of its draws can differ
    int sutunSayisi = 0;
    int olcekUssu = 0;
    // From a status date, in ticks: each row's earliest start and whether work begun holds
    // it there; for such a row the part of its span already fixed and the share of its draw
    // still to do (0 once finished). Empty for the plan as planned.
    QVector<qint64> enErken;
    QVector<bool> sabit;
    std::vector<qint64> sabitKisim;
    std::vector<double> kalanOrani;
};

// The estimate of each row, checked; without one the duration stands for all three. The
// first row whose estimate is out of order, or -1.
int Tahminler(const QVector<KayitliFaaliyet>& satirlar, const QHash<QString, UcNoktaTahmini>& tahminler,
              QVector<UcNoktaTahmini>& ucler)
{
    ucler.reserve(satirlar.size());
    for (int i = 0; i < satirlar.size(); ++i) {
        const KayitliFaaliyet& satir = satirlar.at(i);
        const auto bulunan = tahminler.constFind(satir.kodu);
        if (bulunan == tahminler.constEnd()) {
            const qint32 sure = *satir.sure.deger; // the analysis read every duration
            ucler.append({sure, sure, sure});
            continue;
        }
        const UcNoktaTahmini& t = *bulunan;
        if (!(0 <= t.iyimser && t.iyimser <= t.olasi && t.olasi <= t.kotumser))
            return i;
        ucler.append(t);
    }
    return -1;
}

// A row at the status date, in days, as the forecast has it.
struct KalanSatir {
    bool sabit = false;  // started or finished: its start is where it happened
    qint64 baslama = 0;  // its start, or the earliest an unstarted row may start
    qint64 sabitGun = 0; // from its start to where its remaining work starts; a finished row's whole span
    double oran = 0;     // remaining over planned days: the share of a draw still to do
};

QVector<KalanSatir> KalanSatirlari(const IlerlemeAnalizi& durum, const QVector<KayitliFaaliyet>& satirlar)
{
    QVector<KalanSatir> kalan;
    if (!durum.var || durum.faaliyetler.size() != satirlar.size())
        return kalan;
    for (int i = 0; i < satirlar.size(); ++i) {
        const FaaliyetTahmini& t = durum.faaliyetler.at(i);
        const qint32 planli = *satirlar.at(i).sure.deger;
        KalanSatir k{t.basladi, t.basladi ? t.es : durum.durumSonrasiGunu, 0, 0};
        if (t.bitti)
            k.sabitGun = t.ef - t.es;
        else if (t.basladi)
            k.sabitGun = std::max<qint64>(0, qint64(durum.durumSonrasiGunu) - t.es) + (planli > 0 ? 0 : t.kalan);
        if (t.basladi && !t.bitti && planli > 0)
            k.oran = double(t.kalan) / planli;
        kalan.append(k);
    }
    return kalan;
}

void KalanIsiKoy(Model& m, const QVector<KalanSatir>& kalan)
{
    const qint64 tik = qint64(1) << m.olcekUssu;
    for (const KalanSatir& k : kalan) {
        m.enErken.append(k.baslama * tik);
        m.sabit.append(k.sabit);
        m.sabitKisim.push_back(k.sabitGun * tik);
        m.kalanOrani.push_back(k.oran);
    }
}

Model ModelKur(const PlanAgi& ag, const QVector<UcNoktaTahmini>& ucler, Dagilim dagilim, const QVector<KalanSatir>& kalan)
{
    Model m;
    m.boyut = int(ucler.size());
    m.ag = ag;
    // The finest tick that keeps every spread within 2^24 ticks, so that ranking the draws
    // takes three passes of a byte (one day at the coarsest), and any path, which adds each
    // duration and each lag at most once, below 2^61; from a status date, each start and
    // fixed span too.
    int genislikBiti = 0;
    quint64 toplam = 0;
    for (const UcNoktaTahmini& t : ucler) {
        genislikBiti = std::max(genislikBiti, BitUzunlugu(quint64(qint64(t.kotumser) - t.iyimser)));
        toplam += quint64(std::max(std::abs(qint64(t.iyimser)), std::abs(qint64(t.kotumser))));
    }
    for (const qint64 gecikme : ag.gecikme)
        toplam += quint64(std::abs(gecikme));
    for (int i = 0; i < kalan.size(); ++i)
        toplam += quint64(std::abs(kalan[i].baslama) + kalan[i].sabitGun
                          + qint64(std::ceil(kalan[i].oran * std::abs(double(ucler[i].kotumser)))));
    m.olcekUssu = std::max(0, std::min(24 - genislikBiti, 61 - BitUzunlugu(toplam)));
    // Lags count days, as the estimates do: in ticks they are as fine as the draws.
    for (qint64& gecikme : m.ag.gecikme)
        gecikme *= qint64(1) << m.olcekUssu;
    m.sureler.reserve(m.boyut);
    for (const UcNoktaTahmini& t : ucler) {
        m.sureler.emplace_back(t, dagilim, m.olcekUssu);
        const quint64 genislik = quint64(qint64(t.kotumser) - t.iyimser) << m.olcekUssu;
        m.sutun.push_back(genislik ? m.sutunSayisi++ : -1);
        m.bayt.push_back((BitUzunlugu(genislik) + 7) / 8);
    }
    KalanIsiKoy(m, kalan);
    return m;
}

// One thread's arrays, reused by every iteration it runs.
struct Calisma {
    explicit Calisma(const Model& m) : kritikSayisi(m.boyut)
    {
        senaryo.sure.resize(m.boyut);
        senaryo.enErken = m.enErken;
        senaryo.sabit = m.sabit;
    }
    Senaryo senaryo;
    Sonuc sonuc;
    std::vector<qint64> kritikSayisi;
};

// Where the draw of activity column `sutun` in iteration `yineleme` is kept.
qint64 CekilenYeri(const Model& m, int sutun, int yineleme)
{
    return (qint64(yineleme / BlokBoyu) * m.sutunSayisi + sutun) * BlokAdimi + yineleme % BlokBoyu;
}

// Iterations [ilk, son) of block `blok`: F of each into `bitisler`, each drawn duration
// with spread into `cekilenler`, the critical ones counted. Every row draws, work begun or
// not, so that a seed's draws are the same whatever the progress.
template <bool Ilerlemeli>
void BlokCalistir(const Model& m, quint64 tohum, int blok, int ilk, int son, Calisma& c, qint64* bitisler,
                  quint32* cekilenler)
{
    VektorUstleriniTemizle();
    Uretec uretec(tohum, quint64(blok));
    qint64* sure = c.senaryo.sure.data();
    for (int yineleme = ilk; yineleme < son; ++yineleme) {
        // Drawn in row order, as every seed's results were.
        for (int i = 0; i < m.boyut; ++i) {
            const quint32 cekilen = m.sureler[i].Ornekle(uretec);
            if (m.sutun[i] >= 0)
                cekilenler[CekilenYeri(m, m.sutun[i], yineleme)] = cekilen;
            sure[i] = m.sureler[i].Alt() + cekilen;
            if (Ilerlemeli && m.sabit[i])
                sure[i] = m.sabitKisim[i] + std::llround(double(sure[i]) * m.kalanOrani[i]);
        }
        Hesapla(m.ag, c.senaryo, c.sonuc);
        bitisler[yineleme] = c.sonuc.bitis;
        for (int i = 0; i < m.boyut; ++i)
            c.kritikSayisi[i] += c.sonuc.Kritik(i);
    }
}

// Runs is(0) here and is(1) .. is(sayi − 1) on threads of their own, and waits for all.
template <typename Is>
void Paralel(int sayi, const Is& is)
{
    std::vector<std::thread> iscler;
    for (int no = 1; no < sayi; ++no) {
        try {
            iscler.emplace_back(is, no);
        } catch (const std::system_error&) {
            // No more threads to be had: those running take the remaining blocks.
            break;
        }
    }
    is(0);
    for (std::thread& isci : iscler)
        isci.join();
}

// Draws are ranked as values (draw << SiraBiti | iteration), sorted a byte a pass over the
// `bayt` bytes the draws can differ in, the iteration carried along in the low bits.
constexpr int SiraBiti = 20;
static_assert(EnCokYineleme <= (1 << SiraBiti));

void Sirala(std::vector<quint64>& paket, std::vector<quint64>& gecici, int bayt)
{
    int yer[4][257];
    for (int b = 0; b < bayt; ++b)
        std::fill(std::begin(yer[b]), std::end(yer[b]), 0);
    for (const quint64 deger : paket) {
        for (int b = 0; b < bayt; ++b)
            ++yer[b][((deger >> (SiraBiti + 8 * b)) & 0xFF) + 1];
    }
    for (int b = 0; b < bayt; ++b) {
        for (int d = 0; d < 256; ++d)
            yer[b][d + 1] += yer[b][d];
        for (const quint64 deger : paket)
            gecici[yer[b][(deger >> (SiraBiti + 8 * b)) & 0xFF]++] = deger;
        paket.swap(gecici);
    }
}

// Walks n values in order, in groups of equal keys, and hands each iteration its rank,
// doubled and less N + 1, so that tied ranks average exactly and the ranks sum to 0.
template <typename Anahtar, typename Yineleme, typename Ver>
void Sirasiz(int n, const Anahtar& anahtar, const Yineleme& yineleme, const Ver& ver)
{
    for (int bas = 0; bas < n;) {
        int son = bas + 1;
        while (son < n && anahtar(son) == anahtar(bas))
            ++son;
        const qint64 merkezli = qint64(bas) + 1 + son - (qint64(n) + 1);
        for (int i = bas; i < son; ++i)
            ver(yineleme(i), merkezli);
        bas = son;
    }
}

double Gun(double tik, int olcekUssu)
{
    return std::ldexp(tik, -olcekUssu);
}

// P10 … P90, the mean and the standard deviation of F, F's samples in order and their ranks.
void BitisleriOzetle(const std::vector<qint64>& bitisler, int n, int olcekUssu, RiskSonucu& sonuc,
                     std::vector<qint32>& siraF)
{
    // Once a run, over 64-bit values: a comparison sort.
    std::vector<quint32> sira(n);
    std::iota(sira.begin(), sira.end(), 0u);
    VektorUstleriniTemizle();
    std::sort(sira.begin(), sira.end(), [&](quint32 x, quint32 y) { return bitisler[x] < bitisler[y]; });
    Sirasiz(
        n, [&](int i) { return bitisler[sira[i]]; }, [&](int i) { return sira[i]; },
        [&](quint32 i, qint64 merkezli) { siraF[i] = qint32(merkezli); });
    const qint64 enAz = bitisler[sira[0]];

    sonuc.siraliBitisler.resize(n);
    double toplam = 0;
    for (int i = 0; i < n; ++i) {
        toplam += double(bitisler[sira[i]] - enAz);
        sonuc.siraliBitisler[i] = Gun(double(bitisler[sira[i]]), olcekUssu);
    }
    const double ortalama = toplam / n;
    double kareler = 0;
    for (int i = 0; i < n; ++i) {
        const double fark = double(bitisler[sira[i]] - enAz) - ortalama;
        kareler += fark * fark;
    }
    sonuc.ortalama = Gun(double(enAz), olcekUssu) + Gun(ortalama, olcekUssu);
    sonuc.standartSapma = n > 1 ? Gun(std::sqrt(kareler / (n - 1)), olcekUssu) : 0;
    const auto Yuzdelik = [&](qint64 yuzde) { return sonuc.siraliBitisler[(yuzde * n + 99) / 100 - 1]; };
    sonuc.p10 = Yuzdelik(10);
    sonuc.p50 = Yuzdelik(50);
    sonuc.p80 = Yuzdelik(80);
    sonuc.p90 = Yuzdelik(90);
}

// Spearman's coefficient of each activity with spread: the Pearson correlation of the
// tie-averaged ranks, summed exactly in integers. Activities are shared out over the
// threads; each is worked out alone, so the threads do not change a bit of it.
void DuyarliliklariHesapla(const Model& m, const std::vector<quint32>& cekilenler, const std::vector<qint32>& siraF,
                           int n, int isParcacigi, QVector<FaaliyetRiski>& faaliyetler)
{
    qint64 ff = 0;
    for (int i = 0; i < n; ++i)
        ff += qint64(siraF[i]) * siraF[i];
    if (ff == 0)
        return; // F never moved
    std::atomic<int> siradaki{0};
    Paralel(isParcacigi, [&](int) {
        std::vector<quint64> paket(n), gecici(n);
        for (int i; (i = siradaki.fetch_add(1)) < m.boyut;) {
            if (m.sutun[i] < 0)
                continue;
            VektorUstleriniTemizle();
            for (int j = 0; j < n; ++j)
                paket[j] = quint64(cekilenler[CekilenYeri(m, m.sutun[i], j)]) << SiraBiti | quint64(j);
            Sirala(paket, gecici, m.bayt[i]);
            qint64 xf = 0, xx = 0;
            Sirasiz(
                n, [&](int j) { return paket[j] >> SiraBiti; },
                [&](int j) { return quint32(paket[j] & ((1u << SiraBiti) - 1)); },
                [&](quint32 j, qint64 merkezli) {
                    xf += merkezli * siraF[j];
                    xx += merkezli * merkezli;
                });
            if (xx > 0)
                faaliyetler[i].duyarlilik = double(xf) / std::sqrt(double(xx) * double(ff));
        }
    });
}

// Tells the progress at most once every RaporAraligi, from whichever thread has just finished a
// block; a thread that finds another telling goes on without waiting.
struct IlerlemeBildirici {
    const std::function<void(int)>& ilerleme;
    std::mutex kilit = {};
    std::chrono::steady_clock::time_point son = {};
    bool bildirildi = false;

    void Bildir(int yapilan)
    {
        if (!ilerleme || !kilit.try_lock())
            return;
        const std::lock_guard<std::mutex> tutulan(kilit, std::adopt_lock);
        const auto simdi = std::chrono::steady_clock::now();
        if (bildirildi && simdi - son < RaporAraligi)
            return;
        son = simdi;
        bildirildi = true;
        ilerleme(yapilan);
    }
};

} // namespace

double RiskSonucu::Olasilik(qint64 gun) const
{
    if (siraliBitisler.isEmpty())
        return 0;
    const auto son = std::upper_bound(siraliBitisler.begin(), siraliBitisler.end(), double(gun));
    return double(son - siraliBitisler.begin()) / siraliBitisler.size();
}

namespace {

// Each activity's criticality index: the share of the n iterations in which it was critical,
// counted by every thread.
void KritiklikleriTopla(const std::vector<Calisma>& calismalar, int boyut, int n, QVector<FaaliyetRiski>& faaliyetler)
{
    faaliyetler.resize(boyut);
    for (int i = 0; i < boyut; ++i) {
        qint64 kritik = 0;
        for (const Calisma& c : calismalar)
            kritik += c.kritikSayisi[i];
        faaliyetler[i].kritiklik = double(kritik) / n;
    }
}

} // namespace

RiskSonucu RiskiHesapla(const QVector<KayitliFaaliyet>& faaliyetler, const QHash<QString, UcNoktaTahmini>& tahminler,
                        const RiskAyarlari& ayarlar, const std::atomic<bool>* dur,
                        const std::function<void(int)>& ilerleme)
{
    return RiskiHesapla(faaliyetler, tahminler, ayarlar, IlerlemeAnalizi(), dur, ilerleme);
}

RiskSonucu RiskiHesapla(const QVector<KayitliFaaliyet>& faaliyetler, const QHash<QString, UcNoktaTahmini>& tahminler,
                        const RiskAyarlari& ayarlar, const IlerlemeAnalizi& durum, const std::atomic<bool>* dur,
                        const std::function<void(int)>& ilerleme)
{
    RiskSonucu sonuc;
    HesaplananAg hesap;
    sonuc.hata = AgiHesapla(faaliyetler, CizelgeyiHesapla(faaliyetler), hesap);
    QVector<UcNoktaTahmini> ucler;
    if (!sonuc.hata.Var())
        sonuc.sirasizTahmin = Tahminler(faaliyetler, tahminler, ucler);
    if (sonuc.Hesaplanamadi()) {
        sonuc.hataliSatirlar = faaliyetler;
        return sonuc;
    }
    const QVector<KalanSatir> kalan = KalanSatirlari(durum, faaliyetler);
    sonuc.deterministikF = qint32(kalan.isEmpty() ? hesap.sonuc.bitis : durum.projeBitisGunu);
    if (!kalan.isEmpty())
        sonuc.durumTarihi = durum.durumTarihi;

    const Model m = ModelKur(hesap.ag, ucler, ayarlar.dagilim, kalan);
    const int N = std::clamp(ayarlar.yineleme, 1, EnCokYineleme);
    const int blokSayisi = (N + BlokBoyu - 1) / BlokBoyu;
    const int isParcacigi =
        std::clamp(ayarlar.isParcacigi > 0 ? ayarlar.isParcacigi : QThread::idealThreadCount(), 1, blokSayisi);
    // What the percentiles and the sensitivities need; the rest is a few arrays a thread.
    std::vector<qint64> bitisler(N);
    std::vector<quint32> cekilenler(std::size_t(m.sutunSayisi) * blokSayisi * BlokAdimi);

    std::atomic<int> siradaki{0}, biten{0};
    IlerlemeBildirici bildirici{ilerleme};
    std::vector<Calisma> calismalar(isParcacigi, Calisma(m));
    const auto Calistir = m.sabit.isEmpty() ? &BlokCalistir<false> : &BlokCalistir<true>;
    Paralel(isParcacigi, [&](int no) {
        for (;;) {
            if (dur && dur->load())
                return;
            const int blok = siradaki.fetch_add(1);
            if (blok >= blokSayisi)
                return;
            const int ilk = blok * BlokBoyu, son = std::min(N, ilk + BlokBoyu);
            Calistir(m, ayarlar.tohum, blok, ilk, son, calismalar[no], bitisler.data(), cekilenler.data());
            bildirici.Bildir(biten.fetch_add(son - ilk) + son - ilk);
        }
    });

    // A thread takes a block only before a stop and always finishes it, so the blocks
    // done are the first ones.
    const int n = biten.load();
    sonuc.yineleme = n;
    sonuc.durduruldu = n < N;
    if (n == 0)
        return sonuc;
    std::vector<qint32> siraF(n);
    BitisleriOzetle(bitisler, n, m.olcekUssu, sonuc, siraF);
    KritiklikleriTopla(calismalar, m.boyut, n, sonuc.faaliyetler);
    DuyarliliklariHesapla(m, cekilenler, siraF, n, isParcacigi, sonuc.faaliyetler);
    return sonuc;
}

QDate RiskBitisTarihi(const IsTakvimi& takvim, const QDate& baslama, double gun)
{
    return BitisTarihi(takvim, baslama, 0, qint64(std::ceil(gun)));
}

std::optional<double> TariheKadarOlasilik(const RiskSonucu& sonuc, const IsTakvimi& takvim, const QDate& baslama,
                                          const QDate& tarih)
{
    const QDate ertesi = tarih.addDays(1);
    if (!baslama.isValid() || !ertesi.isValid())
        return std::nullopt;
    // Working day F − 1 is the last of a finish of F days: on `tarih` or before while F is
    // at most the working days from the start through it (every day: its day count + 1).
    return sonuc.Olasilik(takvim.IsGunuSay(baslama, ertesi));
}
