#include "analysis/Ag.h"

#include <algorithm>

namespace {

void Bagla(Ag& ag, const KodDizini& dizin)
{
    const int n = ag.Boyut();
    QVector<int> ardilSayisi(n, 0);
    ag.oncekiBasi.reserve(n + 1);
    ag.oncekiBasi.append(0);
    ag.oncekiBasi.append(0); // the pass gives the first row no predecessors
    for (int i = 1; i < n; ++i) {
        // Read once by the index: each row listed, once, in the order first listed.
        for (const int onceki : dizin.OncekiSatirlari(i)) {
            ag.oncekiler.append(onceki);
            ++ardilSayisi[onceki];
        }
        ag.oncekiBasi.append(int(ag.oncekiler.size()));
    }
    ag.ardilBasi.resize(n + 1);
    ag.ardilBasi[0] = 0;
    for (int i = 0; i < n; ++i)
        ag.ardilBasi[i + 1] = ag.ardilBasi[i] + ardilSayisi[i];
    ag.ardillar.resize(ag.oncekiler.size());
    QVector<int> yer(ag.ardilBasi.begin(), ag.ardilBasi.end() - 1);
    for (int i = 1; i < n; ++i) {
        for (int k = ag.oncekiBasi[i]; k < ag.oncekiBasi[i + 1]; ++k)
            ag.ardillar[yer[ag.oncekiler[k]]++] = i;
    }
}

} // namespace

qint64 Ag::SerbestBolluk(int i) const
{
    // A successor's ES may lie beyond F: the pass starts no activity before day 0, while
    // negative durations can end the project earlier. Bounded by F as LF is, free float
    // never exceeds total float.
    qint64 enErken = bitis;
    for (int k = ardilBasi[i]; k < ardilBasi[i + 1]; ++k)
        enErken = std::min(enErken, es[ardillar[k]]);
    return enErken - ef[i];
}

Ag AgiKur(const QVector<KayitliFaaliyet>& satirlar, const QVector<Gunler>& gunler, const KodDizini& dizin)
{
    Ag ag;
    const int n = int(satirlar.size());
    ag.es.resize(n);
    ag.ef.resize(n);
    for (int i = 0; i < n; ++i) {
        // The pass worked out every figure.
        ag.es[i] = gunler.at(i).es.value_or(0);
        ag.ef[i] = gunler.at(i).ef.value_or(0);
        ag.bitis = i == 0 ? ag.ef[0] : std::max(ag.bitis, ag.ef[i]);
    }
    Bagla(ag, dizin);

    // Successors stand below, so from the bottom up each LS needed is known.
    ag.ls.resize(n);
    ag.lf.resize(n);
    for (int i = n - 1; i >= 0; --i) {
        qint64 lf = ag.bitis;
        for (int k = ag.ardilBasi[i]; k < ag.ardilBasi[i + 1]; ++k)
            lf = std::min(lf, ag.ls[ag.ardillar[k]]);
        ag.lf[i] = lf;
        ag.ls[i] = lf - (ag.ef[i] - ag.es[i]);
    }
    return ag;
}
