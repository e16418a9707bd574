#include "analysis/Nedenler.h"

namespace {

// The first listed link whose predecessor sets the start: the one the main window's walk takes.
int BelirleyenBag(const PlanAgi& ag, const Sonuc& s, int i)
{
    for (int k = ag.girenBasi[i]; k < ag.girenBasi[i + 1]; ++k) {
        if (Belirler(ag, s, k))
            return k;
    }
    return -1;
}

// The first link by which this one starts a critical successor; -1 when it holds up the
// project finish itself.
int TutulanBag(const PlanAgi& ag, const Sonuc& s, int i)
{
    for (int j = ag.cikanBasi[i]; j < ag.cikanBasi[i + 1]; ++j) {
        const int k = ag.cikanBaglar[j];
        if (s.Kritik(ag.ardil[k]) && Belirler(ag, s, k))
            return k;
    }
    return -1;
}

// The first link to a successor that sets this one's LF; -1 when the project finish does.
int SinirlayanBag(const PlanAgi& ag, const Sonuc& s, int i)
{
    for (int j = ag.cikanBasi[i]; j < ag.cikanBasi[i + 1]; ++j) {
        const int k = ag.cikanBaglar[j];
        const int a = ag.ardil[k];
        if (BagaGoreBitis(ag, k, s.ls[a], s.lf[a], s.ef[i] - s.es[i]) == s.lf[i])
            return k;
    }
    return -1;
}

// Which ends of critical activity i the driving links reach: its start or finish from its
// predecessors, its start or finish towards critical successors.
bool UzadikcaKisaltir(const PlanAgi& ag, const Sonuc& s, int i)
{
    bool bitiseGiren = false, baslamayaGiren = false, baslamadanCikan = false, bitistenCikan = s.ef[i] == s.bitis;
    for (int k = ag.girenBasi[i]; k < ag.girenBasi[i + 1]; ++k) {
        if (Belirler(ag, s, k))
            (ArdilinBaslamasi(ag.tur[k]) ? baslamayaGiren : bitiseGiren) = true;
    }
    for (int j = ag.cikanBasi[i]; j < ag.cikanBasi[i + 1]; ++j) {
        const int k = ag.cikanBaglar[j];
        if (s.Kritik(ag.ardil[k]) && Belirler(ag, s, k))
            (OncekininBaslamasi(ag.tur[k]) ? baslamadanCikan : bitistenCikan) = true;
    }
    // A start held at day 0 stays there when the activity grows.
    return s.es[i] > 0 && bitiseGiren && !baslamayaGiren && baslamadanCikan && !bitistenCikan;
}

} // namespace

NedenSatirlari NedenBul(const PlanAgi& ag, const Sonuc& s, int i)
{
    const auto Satir = [&](int k, const QVector<int>& uclar) { return k < 0 ? -1 : uclar[k]; };
    NedenSatirlari n;
    if (!s.Kritik(i)) {
        n.ardilBagi = SinirlayanBag(ag, s, i);
        n.ardil = Satir(n.ardilBagi, ag.ardil);
        return n;
    }
    n.oncekiBagi = BelirleyenBag(ag, s, i);
    n.onceki = Satir(n.oncekiBagi, ag.onceki);
    n.ardilBagi = TutulanBag(ag, s, i);
    n.ardil = Satir(n.ardilBagi, ag.ardil);
    n.uzadikcaKisaltir = UzadikcaKisaltir(ag, s, i);
    return n;
}
