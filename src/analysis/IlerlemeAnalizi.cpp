#include "analysis/IlerlemeAnalizi.h"

#include "analysis/KritikYollar.h"
#include "kernel/TarihEsleme.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Dates as the plan's day counts: day n is the n-th working day from day 0, and a date
// falls on the first working day on or after it.
struct GunSayaci {
    const IsTakvimi& takvim;
    QDate ilk;

    qint64 Gun(const QDate& tarih) const { return takvim.IsGunuSay(ilk, tarih); }
    // The first day after `tarih`: work done through that date ends here.
    qint64 Sonrasi(const QDate& tarih) const { return Gun(tarih.addDays(1)); }
};

// The forecast's scenario: finished rows fixed where they happened, started ones from
// their actual start to their remaining days after the status date, the rest no earlier
// than the first day after it. Fills in what each row's progress says.
Senaryo TahminSenaryosu(const AgAnalizi& analiz, const ProjeIlerlemesi& ilerleme, const GunSayaci& sayac,
                        QVector<FaaliyetTahmini>& tahminler)
{
    const qint64 durumSonrasi = sayac.Sonrasi(ilerleme.durumTarihi);
    const int n = int(analiz.faaliyetler.size());
    Senaryo senaryo;
    senaryo.sure.resize(n);
    senaryo.enErken.resize(n);
    senaryo.sabit.resize(n);
    tahminler.resize(n);
    for (int i = 0; i < n; ++i) {
        const FaaliyetAnalizi& f = analiz.faaliyetler.at(i);
        const qint32 sure = f.ef - f.es;
        FaaliyetTahmini& t = tahminler[i];
        const auto bulunan = ilerleme.faaliyetler.constFind(f.kodu);
        const FaaliyetIlerlemesi fi = bulunan == ilerleme.faaliyetler.cend() ? FaaliyetIlerlemesi() : *bulunan;
        t.bitti = fi.gercekBitis.isValid();
        t.basladi = t.bitti || fi.gercekBaslama.isValid();
        t.yuzde = t.basladi ? TamamlanmaYuzdesi(sure, fi) : 0;
        t.kalan = t.basladi ? KalanGun(sure, fi) : sure;
        senaryo.sabit[i] = t.basladi;
        senaryo.sure[i] = sure;
        senaryo.enErken[i] = std::max<qint64>(0, durumSonrasi);
        if (!t.basladi)
            continue;
        // A finish stored without a start is taken to have begun and ended that day.
        const qint64 baslama = sayac.Gun(fi.gercekBaslama.isValid() ? fi.gercekBaslama : fi.gercekBitis);
        const qint64 bitis = t.bitti ? sayac.Sonrasi(fi.gercekBitis) : std::max(baslama, durumSonrasi) + t.kalan;
        senaryo.enErken[i] = baslama;
        senaryo.sure[i] = bitis - baslama;
    }
    return senaryo;
}

// A started row that a predecessor's forecast, by its link, would have held back.
void SiraDisiniIsaretle(const PlanAgi& ag, const Sonuc& s, IlerlemeAnalizi& sonuc)
{
    for (int i = 0; i < ag.boyut; ++i) {
        FaaliyetTahmini& t = sonuc.faaliyetler[i];
        for (int k = ag.girenBasi[i]; t.basladi && !t.siraDisi && k < ag.girenBasi[i + 1]; ++k) {
            const int p = ag.onceki[k];
            t.siraDisi = BagaGoreBaslama(ag, k, s.es[p], s.ef[p], s.ef[i] - s.es[i]) > s.es[i];
        }
        sonuc.siraDisiSayisi += t.siraDisi ? 1 : 0;
    }
}

void TahminiYaz(const AgAnalizi& analiz, const ProjeIlerlemesi& ilerleme, const Sonuc& s, IlerlemeAnalizi& sonuc)
{
    const IsTakvimi& takvim = analiz.takvim;
    sonuc.projeBitisGunu = qint32(s.bitis);
    sonuc.bitis = BitisTarihi(takvim, analiz.ilkIsGunu, 0, s.bitis);
    QVector<KayitliFaaliyet> kodlar(s.Boyut());
    for (int i = 0; i < s.Boyut(); ++i) {
        FaaliyetTahmini& t = sonuc.faaliyetler[i];
        const FaaliyetIlerlemesi fi = ilerleme.faaliyetler.value(analiz.faaliyetler.at(i).kodu);
        kodlar[i].kodu = analiz.faaliyetler.at(i).kodu;
        t.es = qint32(s.es[i]);
        t.ef = qint32(s.ef[i]);
        t.ls = qint32(s.ls[i]);
        t.lf = qint32(s.lf[i]);
        t.toplamBolluk = qint32(s.ToplamBolluk(i));
        t.serbestBolluk = qint32(s.serbestBolluk[i]);
        t.kritik = s.Kritik(i);
        // Work that happened keeps its own dates, a weekend's included.
        t.baslama = fi.gercekBaslama.isValid() ? fi.gercekBaslama : GununTarihi(takvim, analiz.ilkIsGunu, s.es[i]);
        t.bitis = t.bitti ? fi.gercekBitis : BitisTarihi(takvim, analiz.ilkIsGunu, s.es[i], s.ef[i]);
        if (t.bitti && t.bitis > sonuc.bitis)
            sonuc.bitis = t.bitis;
    }
    sonuc.kritikYollar = KritikYollariBul(analiz.ag, s, kodlar, KritikYolSiniri).yollar;
}

// The time, in days from the baseline start, by which the baseline had scheduled `ev`
// activity-days: each row's work spread one activity-day a day from its start, and
// interpolated within the day (the latest such time, at most the baseline's end).
double KazanilmisTakvim(const QVector<std::pair<qint64, qint64>>& satirlar, double ev)
{
    QVector<std::pair<qint64, int>> kirilmalar; // where the number of rows at work changes
    for (const auto& [baslama, sure] : satirlar) {
        kirilmalar.append({baslama, +1});
        kirilmalar.append({baslama + sure, -1});
    }
    std::sort(kirilmalar.begin(), kirilmalar.end());
    if (kirilmalar.isEmpty())
        return 0;
    double deger = 0;
    int egim = 0;
    qint64 onceki = kirilmalar.first().first;
    for (const auto& [zaman, degisim] : kirilmalar) {
        const double sonraki = deger + double(egim) * double(zaman - onceki);
        if (egim > 0 && sonraki > ev)
            return double(onceki) + (ev - deger) / double(egim);
        deger = sonraki;
        egim += degisim;
        onceki = zaman;
    }
    return double(onceki);
}

void Karsilastir(const AgAnalizi& analiz, const TabanPlani& taban, IlerlemeAnalizi& sonuc)
{
    const IsTakvimi& takvim = analiz.takvim;
    QHash<QString, const TabanSatiri*> satirlar;
    for (const TabanSatiri& satir : taban.satirlar) {
        if (!satirlar.contains(satir.kodu))
            satirlar.insert(satir.kodu, &satir);
    }
    for (int i = 0; i < sonuc.faaliyetler.size(); ++i) {
        FaaliyetTahmini& t = sonuc.faaliyetler[i];
        const TabanSatiri* satir = satirlar.value(analiz.faaliyetler.at(i).kodu);
        t.tabandaVar = satir != nullptr;
        if (!satir)
            continue;
        t.tabanBaslama = satir->baslama;
        t.tabanBitis = satir->bitis;
        t.baslamaSapmasi = qint32(takvim.IsGunuSay(t.tabanBaslama, t.baslama));
        t.bitisSapmasi = qint32(takvim.IsGunuSay(t.tabanBitis, t.bitis));
    }
    sonuc.tabanVar = true;
    sonuc.tabanAdi = taban.ad;
    sonuc.tabanBitis = taban.bitis;
    sonuc.bitisSapmasi = qint32(takvim.IsGunuSay(taban.bitis, sonuc.bitis));
}

void PerformansiHesapla(const AgAnalizi& analiz, const TabanPlani& taban, IlerlemeAnalizi& sonuc)
{
    QHash<QString, qint32> yuzdeler;
    for (int i = int(sonuc.faaliyetler.size()) - 1; i >= 0; --i)
        yuzdeler.insert(analiz.faaliyetler.at(i).kodu, sonuc.faaliyetler.at(i).yuzde);
    const GunSayaci sayac{analiz.takvim, taban.baslama.isValid() ? taban.baslama : analiz.ilkIsGunu};
    const qint64 gecen = sayac.Sonrasi(sonuc.durumTarihi);
    QVector<std::pair<qint64, qint64>> satirlar;
    qint64 sure = 0;
    for (const TabanSatiri& satir : taban.satirlar) {
        if (!satir.baslama.isValid())
            continue;
        const qint64 baslama = sayac.Gun(satir.baslama), gun = std::max(0, satir.sure);
        satirlar.append({baslama, gun});
        sure = std::max(sure, baslama + gun);
        sonuc.pv += double(std::clamp<qint64>(gecen - baslama, 0, gun));
        sonuc.ev += double(gun) * double(yuzdeler.value(satir.kodu)) / 100.0;
    }
    const double tanimsiz = std::numeric_limits<double>::quiet_NaN();
    sonuc.sv = sonuc.ev - sonuc.pv;
    sonuc.spi = sonuc.pv > 0 ? sonuc.ev / sonuc.pv : tanimsiz;
    sonuc.kazanilmisTakvim = KazanilmisTakvim(satirlar, sonuc.ev);
    // Time stops counting when the work does: a finished project's AT is its actual duration,
    // however late the status date; and none has passed before the baseline's start.
    const bool hepsiBitti = std::all_of(sonuc.faaliyetler.cbegin(), sonuc.faaliyetler.cend(),
                                        [](const FaaliyetTahmini& t) { return t.bitti; });
    const qint64 at = std::max<qint64>(0, hepsiBitti ? std::min(gecen, sayac.Sonrasi(sonuc.bitis)) : gecen);
    sonuc.gecenSure = double(at);
    sonuc.spiT = at > 0 ? sonuc.kazanilmisTakvim / sonuc.gecenSure : tanimsiz;
    if (sonuc.spiT > 0)
        sonuc.esBitis = BitisTarihi(analiz.takvim, sayac.ilk, 0, qint64(std::ceil(double(sure) / sonuc.spiT - 1e-9)));
}

} // namespace

IlerlemeAnalizi IlerlemeyiHesapla(const AgAnalizi& analiz, const ProjeIlerlemesi& ilerleme, const TabanPlani* taban)
{
    IlerlemeAnalizi sonuc;
    if (!ilerleme.durumTarihi.isValid() || !analiz.ilkIsGunu.isValid() || analiz.hata.Var()
        || analiz.faaliyetler.isEmpty())
        return sonuc;
    const GunSayaci sayac{analiz.takvim, analiz.ilkIsGunu};
    const Senaryo senaryo = TahminSenaryosu(analiz, ilerleme, sayac, sonuc.faaliyetler);
    Sonuc s = Hesapla(analiz.ag, senaryo);
    OtuzIkiBiteSigdir(s);
    if (s.hata != HesapHatasi::Yok)
        return IlerlemeAnalizi();
    sonuc.var = true;
    sonuc.durumTarihi = ilerleme.durumTarihi;
    sonuc.durumSonrasiGunu = qint32(std::max<qint64>(0, sayac.Sonrasi(ilerleme.durumTarihi)));
    TahminiYaz(analiz, ilerleme, s, sonuc);
    SiraDisiniIsaretle(analiz.ag, s, sonuc);
    if (taban) {
        Karsilastir(analiz, *taban, sonuc);
        PerformansiHesapla(analiz, *taban, sonuc);
    }
    return sonuc;
}

const TabanPlani* KarsilastirilanTaban(const TabanPlanlari& tabanlar)
{
    for (const TabanPlani& taban : tabanlar.planlar) {
        if (taban.numara == tabanlar.karsilastirilan)
            return &taban;
    }
    return nullptr;
}
