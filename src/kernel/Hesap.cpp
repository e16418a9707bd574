#include "kernel/Hesap.h"

#include <algorithm>
#include <limits>

namespace {

// Raw pointers: the simulation runs these passes per iteration, and an indexed QVector
// would check for sharing at every write. With finish-to-start links only (every plan without
// richer links) the type is not read, which the simulation's inner loop feels; nor, without
// progress, an earliest start per row.
template <bool Turlu, bool Sinirli>
void IleriGec(const PlanAgi& ag, const Senaryo& senaryo, Sonuc& s)
{
    const qint64* sure = senaryo.sure.constData();
    const qint64* enErken = Sinirli ? senaryo.enErken.constData() : nullptr;
    const bool* sabit = Sinirli ? senaryo.sabit.constData() : nullptr;
    const int* basi = ag.girenBasi.constData();
    const int* onceki = ag.onceki.constData();
    qint64* es = s.es.data();
    qint64* ef = s.ef.data();
    qint64 bitis = ag.boyut == 0 ? 0 : std::numeric_limits<qint64>::min();
    for (int i = 0; i < ag.boyut; ++i) {
        qint64 baslama = Sinirli ? enErken[i] : 0;
        const int son = Sinirli && sabit[i] ? basi[i] : basi[i + 1];
        for (int k = basi[i]; k < son; ++k)
            baslama = std::max(baslama, Turlu ? BagaGoreBaslama(ag, k, es[onceki[k]], ef[onceki[k]], sure[i])
                                              : ef[onceki[k]] + ag.gecikme[k]);
        es[i] = baslama;
        ef[i] = baslama + sure[i];
        bitis = std::max(bitis, ef[i]);
    }
    s.bitis = bitis;
}

// Successors stand below, so from the bottom up each LS and LF needed is known.
template <bool Turlu>
void GeriGec(const PlanAgi& ag, const qint64* sure, Sonuc& s)
{
    const int* basi = ag.cikanBasi.constData();
    const int* baglar = ag.cikanBaglar.constData();
    const int* ardil = ag.ardil.constData();
    const qint64* es = s.es.constData();
    const qint64* ef = s.ef.constData();
    qint64* ls = s.ls.data();
    qint64* lfler = s.lf.data();
    qint64* serbest = s.serbestBolluk.data();
    for (int i = ag.boyut - 1; i >= 0; --i) {
        qint64 lf = s.bitis, enErken = s.bitis;
        for (int j = basi[i]; j < basi[i + 1]; ++j) {
            const int k = baglar[j];
            const int a = ardil[k];
            lf = std::min(lf, Turlu ? BagaGoreBitis(ag, k, ls[a], lfler[a], sure[i]) : ls[a] - ag.gecikme[k]);
            // A successor's ES may lie beyond F: no activity starts before day 0, while
            // negative durations can end the project earlier.
            enErken = std::min(enErken, Turlu ? BagaGoreBitis(ag, k, es[a], ef[a], sure[i]) : es[a] - ag.gecikme[k]);
        }
        lfler[i] = lf;
        ls[i] = lf - sure[i];
        serbest[i] = enErken - ef[i];
    }
}

bool Sigar(qint64 deger)
{
    return deger >= std::numeric_limits<qint32>::min() && deger <= std::numeric_limits<qint32>::max();
}

} // namespace

void Hesapla(const PlanAgi& ag, const Senaryo& senaryo, Sonuc& sonuc)
{
    for (QVector<qint64>* dizi : {&sonuc.es, &sonuc.ef, &sonuc.ls, &sonuc.lf, &sonuc.serbestBolluk})
        dizi->resize(ag.boyut);
    sonuc.hata = ag.sirali ? HesapHatasi::Yok : HesapHatasi::SiraDisiBag;
    sonuc.hataSatiri = -1;
    if (!ag.sirali)
        return;
    const bool sinirli = !senaryo.enErken.isEmpty();
    if (ag.bitisBaslamali) {
        sinirli ? IleriGec<false, true>(ag, senaryo, sonuc) : IleriGec<false, false>(ag, senaryo, sonuc);
        GeriGec<false>(ag, senaryo.sure.constData(), sonuc);
    } else {
        sinirli ? IleriGec<true, true>(ag, senaryo, sonuc) : IleriGec<true, false>(ag, senaryo, sonuc);
        GeriGec<true>(ag, senaryo.sure.constData(), sonuc);
    }
}

Sonuc Hesapla(const PlanAgi& ag, const Senaryo& senaryo)
{
    Sonuc sonuc;
    Hesapla(ag, senaryo, sonuc);
    return sonuc;
}

void OtuzIkiBiteSigdir(Sonuc& sonuc)
{
    for (int i = 0; i < sonuc.Boyut() && sonuc.hata == HesapHatasi::Yok; ++i) {
        const std::pair<qint64, SinirDisiAlan> degerler[] = {{sonuc.lf[i], SinirDisiAlan::EnGecBitis},
                                                             {sonuc.ls[i], SinirDisiAlan::EnGecBaslama},
                                                             {sonuc.ToplamBolluk(i), SinirDisiAlan::ToplamBolluk}};
        for (const auto& [deger, alan] : degerler) {
            if (!Sigar(deger)) {
                sonuc.hata = HesapHatasi::SinirDisi;
                sonuc.hataSatiri = i;
                sonuc.hataAlani = alan;
                break;
            }
        }
    }
}
