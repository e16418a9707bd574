#include "kernel/PlanAgi.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <vector>

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
        ag.bitisBaslamali = ag.bitisBaslamali && b.tur == BagTuru::BitisBaslama;
    }
    ag.cikanBasi = Basliklar(boyut, baglar, &Bag::onceki);
    ag.cikanBaglar.resize(m);
    yer = QVector<int>(ag.cikanBasi.begin(), ag.cikanBasi.end() - 1);
    for (int k = 0; k < m; ++k)
        ag.cikanBaglar[yer[ag.onceki[k]]++] = k;
    return ag;
}

namespace {

// Every row left waits for one that is left too: walking back from one meets a row a
// second time, and the walk between is the cycle.
QVector<int> Dongu(const PlanAgi& ag, const std::vector<bool>& bitti)
{
    QVector<int> yol, yerinde(ag.boyut, -1);
    int y = int(std::find(bitti.cbegin(), bitti.cend(), false) - bitti.cbegin());
    while (yerinde[y] < 0) {
        yerinde[y] = int(yol.size());
        yol.append(y);
        const int* ilk = ag.onceki.constData() + ag.girenBasi[y];
        y = *std::find_if(ilk, ag.onceki.constData() + ag.girenBasi[y + 1], [&](int p) { return !bitti[p]; });
    }
    // Told forwards, from the row that stands first.
    QVector<int> dongu = yol.mid(yerinde[y]);
    std::reverse(dongu.begin(), dongu.end());
    std::rotate(dongu.begin(), std::min_element(dongu.begin(), dongu.end()), dongu.end());
    dongu.append(dongu.first());
    return dongu;
}

} // namespace

QVector<int> Sirala(const PlanAgi& ag, QVector<int>& dongu)
{
    const int m = ag.boyut;
    QVector<int> kalan(m);
    std::priority_queue<int, std::vector<int>, std::greater<int>> hazir;
    for (int y = 0; y < m; ++y) {
        kalan[y] = ag.girenBasi[y + 1] - ag.girenBasi[y];
        if (kalan[y] == 0)
            hazir.push(y);
    }
    QVector<int> sira;
    std::vector<bool> bitti(m);
    while (!hazir.empty()) {
        const int y = hazir.top();
        hazir.pop();
        sira.append(y);
        bitti[y] = true;
        for (int i = ag.cikanBasi[y]; i < ag.cikanBasi[y + 1]; ++i) {
            const int a = ag.ardil[ag.cikanBaglar[i]];
            if (--kalan[a] == 0)
                hazir.push(a);
        }
    }
    if (sira.size() == m)
        return sira;
    dongu = Dongu(ag, bitti);
    return {};
}
