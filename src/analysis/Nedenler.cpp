#include "analysis/Nedenler.h"

namespace {

// The first listed predecessor whose finish is the start: the one the main window's walk takes.
int BelirleyenOnceki(const PlanAgi& ag, const Sonuc& s, int i)
{
    for (int k = ag.girenBasi[i]; k < ag.girenBasi[i + 1]; ++k) {
        if (Belirler(ag, s, k))
            return ag.onceki[k];
    }
    return -1;
}

// The first critical successor this one starts; -1 when it holds up the project finish itself.
int TutulanArdil(const PlanAgi& ag, const Sonuc& s, int i)
{
    for (int j = ag.cikanBasi[i]; j < ag.cikanBasi[i + 1]; ++j) {
        const int k = ag.cikanBaglar[j];
        if (s.Kritik(ag.ardil[k]) && Belirler(ag, s, k))
            return ag.ardil[k];
    }
    return -1;
}

// The first successor that sets this one's LF; -1 when the project finish does.
int SinirlayanArdil(const PlanAgi& ag, const Sonuc& s, int i)
{
    for (int j = ag.cikanBasi[i]; j < ag.cikanBasi[i + 1]; ++j) {
        const int k = ag.cikanBaglar[j];
        if (BagaGoreBitis(ag, k, s.ls[ag.ardil[k]]) == s.lf[i])
            return ag.ardil[k];
    }
    return -1;
}

} // namespace

NedenSatirlari NedenBul(const PlanAgi& ag, const Sonuc& s, int i)
{
    if (!s.Kritik(i))
        return {-1, SinirlayanArdil(ag, s, i)};
    return {BelirleyenOnceki(ag, s, i), TutulanArdil(ag, s, i)};
}
