#include "kernel/Hesap.h"

#include <algorithm>
#include <limits>

namespace {

void IleriGec(const PlanAgi& ag, const Senaryo& senaryo, Sonuc& s)
{
    s.bitis = std::numeric_limits<qint64>::min();
    for (int i = 0; i < ag.boyut; ++i) {
        qint64 es = 0;
        for (int k = ag.girenBasi[i]; k < ag.girenBasi[i + 1]; ++k)
            es = std::max(es, BagaGoreBaslama(ag, k, s.ef[ag.onceki[k]]));
        s.es[i] = es;
        s.ef[i] = es + senaryo.sure[i];
        s.bitis = std::max(s.bitis, s.ef[i]);
    }
    if (ag.boyut == 0)
        s.bitis = 0;
}

// Successors stand below, so from the bottom up each LS needed is known.
void GeriGec(const PlanAgi& ag, const Senaryo& senaryo, Sonuc& s)
{
    for (int i = ag.boyut - 1; i >= 0; --i) {
        qint64 lf = s.bitis, enErken = s.bitis;
        for (int j = ag.cikanBasi[i]; j < ag.cikanBasi[i + 1]; ++j) {
            const int k = ag.cikanBaglar[j];
            lf = std::min(lf, BagaGoreBitis(ag, k, s.ls[ag.ardil[k]]));
            // A successor's ES may lie beyond F: no activity starts before day 0, while
            // negative durations can end the project earlier.
            enErken = std::min(enErken, BagaGoreBitis(ag, k, s.es[ag.ardil[k]]));
        }
        s.lf[i] = lf;
        s.ls[i] = lf - senaryo.sure[i];
        s.serbestBolluk[i] = enErken - s.ef[i];
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
    IleriGec(ag, senaryo, sonuc);
    GeriGec(ag, senaryo, sonuc);
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
