#pragma once

#include "kernel/PlanAgi.h"

#include <QVector>

// What one computation of a plan assumes: each row's duration, in whatever unit the
// caller counts (days, or the simulation's finer ticks).
struct Senaryo {
    QVector<qint64> sure;
};

enum class HesapHatasi : quint8 {
    Yok,
    SiraDisiBag, // a link runs up the rows: no order to compute in
    SinirDisi,   // a figure leaves the 32-bit range (OtuzIkiBiteSigdir)
};

// Which figure left the 32-bit range, in the order they are checked.
enum class SinirDisiAlan : quint8 { EnGecBitis, EnGecBaslama, ToplamBolluk };

// The figures of every row, from the project start. No activity starts before day 0; F
// is the largest EF; LF is the smallest that the successors allow and never later than
// F, since nothing may finish after the project does.
struct Sonuc {
    QVector<qint64> es, ef, ls, lf;
    QVector<qint64> serbestBolluk; // the earliest any successor allows, never later than F, less EF
    qint64 bitis = 0;              // F
    HesapHatasi hata = HesapHatasi::Yok;
    int hataSatiri = -1;
    SinirDisiAlan hataAlani = SinirDisiAlan::EnGecBitis;

    int Boyut() const { return int(es.size()); }
    qint64 ToplamBolluk(int i) const { return ls[i] - es[i]; }
    bool Kritik(int i) const { return ToplamBolluk(i) <= 0; }
};

// The earliest start link k lets its successor have, and the latest finish it lets its
// predecessor have: the one place a link type is read.
inline qint64 BagaGoreBaslama(const PlanAgi& ag, int k, qint64 oncekiBitisi)
{
    return oncekiBitisi + ag.gecikme[k];
}
inline qint64 BagaGoreBitis(const PlanAgi& ag, int k, qint64 ardilBaslamasi)
{
    return ardilBaslamasi - ag.gecikme[k];
}

// Whether link k's predecessor is what starts its successor when it does.
inline bool Belirler(const PlanAgi& ag, const Sonuc& s, int k)
{
    return BagaGoreBaslama(ag, k, s.ef[ag.onceki[k]]) == s.es[ag.ardil[k]];
}

// Both passes into `sonuc`, reusing its arrays: the simulation calls this per iteration.
void Hesapla(const PlanAgi& ag, const Senaryo& senaryo, Sonuc& sonuc);
Sonuc Hesapla(const PlanAgi& ag, const Senaryo& senaryo);

// Marks the first row, in row order, whose LF, LS or total float (in that order) does
// not fit in 32 bits. Free float lies between 0 and the total float, so it fits when that does.
void OtuzIkiBiteSigdir(Sonuc& sonuc);
