#pragma once

#include "kernel/PlanAgi.h"

#include <QVector>

// What one computation of a plan assumes: each row's duration, in whatever unit the
// caller counts (days, or the simulation's finer ticks).
struct Senaryo {
    QVector<qint64> sure;
    // Progress, both empty for a plan without it: each row's earliest start, which no link
    // pulls it before (in place of day 0), and whether it stands there whatever its links
    // say (work already begun).
    QVector<qint64> enErken = {};
    QVector<bool> sabit = {};
};

enum class HesapHatasi : quint8 {
    Yok,
    SiraDisiBag, // a link runs up the rows: no order to compute in
    SinirDisi,   // a figure leaves the 32-bit range (OtuzIkiBiteSigdir)
};

// Which figure left the 32-bit range, in the order they are checked.
enum class SinirDisiAlan : quint8 { EnGecBitis, EnGecBaslama, ToplamBolluk };

// The figures of every row, from the project start. No activity starts before day 0 (or the
// scenario's earliest start), even
// where a link to its finish would pull it earlier; F is the largest EF; LF is the smallest
// that the successors allow and never later than F, since nothing may finish after the
// project does.
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

// Whether a link of this type ties its predecessor's start (else its finish), and its
// successor's start (else its finish).
inline bool OncekininBaslamasi(BagTuru tur)
{
    return tur == BagTuru::BaslamaBaslama || tur == BagTuru::BaslamaBitis;
}
inline bool ArdilinBaslamasi(BagTuru tur)
{
    return tur == BagTuru::BitisBaslama || tur == BagTuru::BaslamaBaslama;
}

// The earliest start link k lets its successor (of duration `ardilSuresi`) have, and the
// latest finish it lets its predecessor (of duration `oncekiSuresi`) have: the one place a
// link type is read. A link to a finish moves the start by the duration.
inline qint64 BagaGoreBaslama(const PlanAgi& ag, int k, qint64 oncekiBaslamasi, qint64 oncekiBitisi,
                              qint64 ardilSuresi)
{
    const BagTuru tur = ag.tur[k];
    const qint64 uc = (OncekininBaslamasi(tur) ? oncekiBaslamasi : oncekiBitisi) + ag.gecikme[k];
    return ArdilinBaslamasi(tur) ? uc : uc - ardilSuresi;
}
inline qint64 BagaGoreBitis(const PlanAgi& ag, int k, qint64 ardilBaslamasi, qint64 ardilBitisi, qint64 oncekiSuresi)
{
    const BagTuru tur = ag.tur[k];
    const qint64 uc = (ArdilinBaslamasi(tur) ? ardilBaslamasi : ardilBitisi) - ag.gecikme[k];
    return OncekininBaslamasi(tur) ? uc + oncekiSuresi : uc;
}

// Whether link k is what sets its successor's start: a start held at day 0 has none.
inline bool Belirler(const PlanAgi& ag, const Sonuc& s, int k)
{
    const int p = ag.onceki[k], a = ag.ardil[k];
    return BagaGoreBaslama(ag, k, s.es[p], s.ef[p], s.ef[a] - s.es[a]) == s.es[a];
}

// Both passes into `sonuc`, reusing its arrays: the simulation calls this per iteration.
void Hesapla(const PlanAgi& ag, const Senaryo& senaryo, Sonuc& sonuc);
Sonuc Hesapla(const PlanAgi& ag, const Senaryo& senaryo);

// Marks the first row, in row order, whose LF, LS or total float (in that order) does
// not fit in 32 bits. Free float lies between 0 and the total float, so it fits when that does.
void OtuzIkiBiteSigdir(Sonuc& sonuc);
