#include "kernel/PlanAgi.h"

namespace {

// Counts per key into offsets: basi[i] .. basi[i + 1] will be key i's places.
QVector<int> Basliklar(int boyut, const QVector<Bag>& baglar, int Bag::*anahtar)
{
    QVector<int> basi(boyut + 1, 0);
    for (const Bag& b : baglar)
        ++basi[b.*anahtar + 1];
    for (int i = 0; i < boyut; ++i)
        basi[i + 1] += basi[i];
    return basi;
}

} // namespace

PlanAgi AgKur(int boyut, const QVector<Bag>& baglar)
{
    PlanAgi ag;
    ag.boyut = boyut;
    const int m = int(baglar.size());
    // Stable placement by successor, then by predecessor over the links so numbered: each
    // row's outgoing links come in the order of their successors.
    ag.girenBasi = Basliklar(boyut, baglar, &Bag::ardil);
    ag.onceki.resize(m);
    ag.ardil.resize(m);
    ag.tur.resize(m);
    ag.gecikme.resize(m);
    QVector<int> yer(ag.girenBasi.begin(), ag.girenBasi.end() - 1);
    for (const Bag& b : baglar) {
        const int k = yer[b.ardil]++;
        ag.onceki[k] = b.onceki;
        ag.ardil[k] = b.ardil;
        ag.tur[k] = b.tur;
        ag.gecikme[k] = b.gecikme;
        ag.sirali = ag.sirali && b.onceki < b.ardil;
    }
    ag.cikanBasi = Basliklar(boyut, baglar, &Bag::onceki);
    ag.cikanBaglar.resize(m);
    yer = QVector<int>(ag.cikanBasi.begin(), ag.cikanBasi.end() - 1);
    for (int k = 0; k < m; ++k)
        ag.cikanBaglar[yer[ag.onceki[k]]++] = k;
    return ag;
}
