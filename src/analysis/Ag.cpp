#include "analysis/Ag.h"

#include "rules/BolgeselMetin.h"
#include "schedule/OncekiListesi.h"

#include <algorithm>

namespace {

// The pass wrote every figure; the first row's EF is its duration as stored.
qint64 Sayı(const QString& metin)
{
    return BölgeselMetin::TamSayıOku(metin).value_or(0);
}

void Bağla(Ağ& ağ, const QVector<ÇizelgeSatırı>& satırlar, const KodDizini& dizin)
{
    const int n = ağ.Boyut();
    QVector<int> sonGörülen(n, -1); // a code listed twice is one link
    QVector<int> ardılSayısı(n, 0);
    ağ.öncekiBaşı.reserve(n + 1);
    ağ.öncekiBaşı.append(0);
    ağ.öncekiBaşı.append(0); // the pass gives the first row no predecessors
    for (int i = 1; i < n; ++i) {
        for (const QString& kod : ÖncekiKodları(satırlar.at(i).öncekiler)) {
            const int önceki = dizin.YukarıdakiSatır(kod, i);
            if (sonGörülen[önceki] == i)
                continue;
            sonGörülen[önceki] = i;
            ağ.öncekiler.append(önceki);
            ++ardılSayısı[önceki];
        }
        ağ.öncekiBaşı.append(int(ağ.öncekiler.size()));
    }
    ağ.ardılBaşı.resize(n + 1);
    ağ.ardılBaşı[0] = 0;
    for (int i = 0; i < n; ++i)
        ağ.ardılBaşı[i + 1] = ağ.ardılBaşı[i] + ardılSayısı[i];
    ağ.ardıllar.resize(ağ.öncekiler.size());
    QVector<int> yer(ağ.ardılBaşı.begin(), ağ.ardılBaşı.end() - 1);
    for (int i = 1; i < n; ++i) {
        for (int k = ağ.öncekiBaşı[i]; k < ağ.öncekiBaşı[i + 1]; ++k)
            ağ.ardıllar[yer[ağ.öncekiler[k]]++] = i;
    }
}

} // namespace

qint64 Ağ::SerbestBolluk(int i) const
{
    qint64 enErken = bitiş;
    if (ardılBaşı[i] < ardılBaşı[i + 1]) {
        enErken = es[ardıllar[ardılBaşı[i]]];
        for (int k = ardılBaşı[i] + 1; k < ardılBaşı[i + 1]; ++k)
            enErken = std::min(enErken, es[ardıllar[k]]);
    }
    return enErken - ef[i];
}

Ağ AğıKur(const QVector<ÇizelgeSatırı>& satırlar, const KodDizini& dizin)
{
    Ağ ağ;
    const int n = int(satırlar.size());
    ağ.es.resize(n);
    ağ.ef.resize(n);
    for (int i = 0; i < n; ++i) {
        ağ.es[i] = Sayı(satırlar.at(i).es);
        ağ.ef[i] = Sayı(satırlar.at(i).ef);
        ağ.bitiş = i == 0 ? ağ.ef[0] : std::max(ağ.bitiş, ağ.ef[i]);
    }
    Bağla(ağ, satırlar, dizin);

    // Successors stand below, so from the bottom up each LS needed is known.
    ağ.ls.resize(n);
    ağ.lf.resize(n);
    for (int i = n - 1; i >= 0; --i) {
        qint64 lf = ağ.bitiş;
        for (int k = ağ.ardılBaşı[i]; k < ağ.ardılBaşı[i + 1]; ++k)
            lf = std::min(lf, ağ.ls[ağ.ardıllar[k]]);
        ağ.lf[i] = lf;
        ağ.ls[i] = lf - (ağ.ef[i] - ağ.es[i]);
    }
    return ağ;
}
