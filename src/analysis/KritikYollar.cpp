#include "analysis/KritikYollar.h"

#include "analysis/BuyukSayi.h"

#include <algorithm>

namespace {

bool Baslangic(const PlanAgi& ag, const Sonuc& s, int i)
{
    for (int k = ag.girenBasi[i]; k < ag.girenBasi[i + 1]; ++k) {
        if (Belirler(ag, s, k))
            return false;
    }
    return true;
}

// Link k joins two critical activities and drives its successor.
bool KritikBag(const PlanAgi& ag, const Sonuc& s, int k)
{
    return s.Kritik(ag.onceki[k]) && s.Kritik(ag.ardil[k]) && Belirler(ag, s, k);
}

// The link from `onceki` into `ardil`; -1 when there is none.
int BagNumarasi(const PlanAgi& ag, int onceki, int ardil)
{
    for (int k = ag.girenBasi[ardil]; onceki >= 0 && k < ag.girenBasi[ardil + 1]; ++k) {
        if (ag.onceki[k] == onceki)
            return k;
    }
    return -1;
}

// By code, then by row for a code stored twice, so that the listing is stable.
void KodSirasiylaDiz(QVector<int>& siralar, const QVector<KayitliFaaliyet>& satirlar)
{
    std::sort(siralar.begin(), siralar.end(), [&](int a, int b) {
        const int fark = QString::compare(satirlar.at(a).kodu, satirlar.at(b).kodu);
        return fark != 0 ? fark < 0 : a < b;
    });
}

// Depth first in code order, entering only rows that lead to a path, so each listed
// path costs its own length and the walk stops at the cap.
QVector<QStringList> Listele(const PlanAgi& ag, const Sonuc& s, const QVector<KayitliFaaliyet>& satirlar,
                             const QVector<BuyukSayi>& yolSayisi, const QVector<int>& baslangiclar, int sinir)
{
    const int n = ag.boyut;
    QVector<QVector<int>> sonrakiler(n);
    QVector<bool> siralandi(n, false);
    QVector<QStringList> yollar;
    struct Adim {
        int satir;
        int siradaki;
    };
    QVector<Adim> yigin;
    QStringList yol;
    auto Gir = [&](int satir) {
        yigin.append({satir, 0});
        yol.append(satirlar.at(satir).kodu);
        if (s.ef[satir] == s.bitis)
            yollar.append(yol);
        // A row reached again by another path keeps the successors it was given.
        if (siralandi[satir])
            return;
        siralandi[satir] = true;
        QVector<int>& sonraki = sonrakiler[satir];
        for (int j = ag.cikanBasi[satir]; j < ag.cikanBasi[satir + 1]; ++j) {
            const int k = ag.cikanBaglar[j];
            if (KritikBag(ag, s, k) && !yolSayisi[ag.ardil[k]].SifirMi())
                sonraki.append(ag.ardil[k]);
        }
        KodSirasiylaDiz(sonraki, satirlar);
    };
    for (int baslangic : baslangiclar) {
        Gir(baslangic);
        while (!yigin.isEmpty() && yollar.size() < sinir) {
            Adim& ust = yigin.last();
            if (ust.siradaki < sonrakiler[ust.satir].size()) {
                Gir(sonrakiler[ust.satir][ust.siradaki++]);
            } else {
                yigin.removeLast();
                yol.removeLast();
            }
        }
        if (yollar.size() >= sinir)
            break;
    }
    return yollar;
}

} // namespace

KritikYollar KritikYollariBul(const PlanAgi& ag, const Sonuc& s, const QVector<KayitliFaaliyet>& satirlar, int sinir)
{
    const int n = ag.boyut;
    // From the bottom up: the paths from a row to the finish are its own, when it
    // finishes at F, and those of each critical successor it starts.
    QVector<BuyukSayi> yolSayisi(n);
    for (int i = n - 1; i >= 0; --i) {
        if (!s.Kritik(i))
            continue;
        if (s.ef[i] == s.bitis)
            yolSayisi[i] = BuyukSayi(1);
        for (int j = ag.cikanBasi[i]; j < ag.cikanBasi[i + 1]; ++j) {
            const int k = ag.cikanBaglar[j];
            if (KritikBag(ag, s, k))
                yolSayisi[i] += yolSayisi[ag.ardil[k]];
        }
    }
    BuyukSayi toplam;
    QVector<int> baslangiclar;
    for (int i = 0; i < n; ++i) {
        if (!yolSayisi[i].SifirMi() && Baslangic(ag, s, i)) {
            toplam += yolSayisi[i];
            baslangiclar.append(i);
        }
    }
    KodSirasiylaDiz(baslangiclar, satirlar);

    KritikYollar sonuc;
    sonuc.yollar = Listele(ag, s, satirlar, yolSayisi, baslangiclar, sinir);
    sonuc.sayi = toplam.Metin();
    BuyukSayi kalan = toplam;
    kalan -= quint32(sonuc.yollar.size());
    if (!kalan.SifirMi())
        sonuc.kalani = kalan.Metin();
    return sonuc;
}

bool KritikYollardanBiri(const PlanAgi& ag, const Sonuc& s, const QVector<int>& yol)
{
    // The main window ends its path at the first row finishing at F.
    if (yol.isEmpty() || !s.Kritik(yol.last()))
        return false;
    for (int i = int(yol.size()) - 1; i > 0; --i) {
        const int bag = BagNumarasi(ag, yol.at(i - 1), yol.at(i));
        if (bag < 0 || !KritikBag(ag, s, bag))
            return false;
    }
    return Baslangic(ag, s, yol.first());
}
