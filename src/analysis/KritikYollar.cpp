#include "analysis/KritikYollar.h"

#include "analysis/BuyukSayi.h"

#include <algorithm>

namespace {

bool Baslangic(const Ag& ag, int i)
{
    for (int k = ag.oncekiBasi[i]; k < ag.oncekiBasi[i + 1]; ++k) {
        if (ag.Belirler(ag.oncekiler[k], i))
            return false;
    }
    return true;
}

bool KritikBag(const Ag& ag, int onceki, int ardil)
{
    return ag.Kritik(onceki) && ag.Kritik(ardil) && ag.Belirler(onceki, ardil);
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
QVector<QStringList> Listele(const Ag& ag, const QVector<KayitliFaaliyet>& satirlar,
                             const QVector<BuyukSayi>& yolSayisi, const QVector<int>& baslangiclar, int sinir)
{
    const int n = ag.Boyut();
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
        if (ag.ef[satir] == ag.bitis)
            yollar.append(yol);
        // A row reached again by another path keeps the successors it was given.
        if (siralandi[satir])
            return;
        siralandi[satir] = true;
        QVector<int>& s = sonrakiler[satir];
        for (int k = ag.ardilBasi[satir]; k < ag.ardilBasi[satir + 1]; ++k) {
            const int ardil = ag.ardillar[k];
            if (KritikBag(ag, satir, ardil) && !yolSayisi[ardil].SifirMi())
                s.append(ardil);
        }
        KodSirasiylaDiz(s, satirlar);
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

KritikYollar KritikYollariBul(const Ag& ag, const QVector<KayitliFaaliyet>& satirlar, int sinir)
{
    const int n = ag.Boyut();
    // From the bottom up: the paths from a row to the finish are its own, when it
    // finishes at F, and those of each critical successor it starts.
    QVector<BuyukSayi> yolSayisi(n);
    for (int i = n - 1; i >= 0; --i) {
        if (!ag.Kritik(i))
            continue;
        if (ag.ef[i] == ag.bitis)
            yolSayisi[i] = BuyukSayi(1);
        for (int k = ag.ardilBasi[i]; k < ag.ardilBasi[i + 1]; ++k) {
            const int ardil = ag.ardillar[k];
            if (KritikBag(ag, i, ardil))
                yolSayisi[i] += yolSayisi[ardil];
        }
    }
    BuyukSayi toplam;
    QVector<int> baslangiclar;
    for (int i = 0; i < n; ++i) {
        if (!yolSayisi[i].SifirMi() && Baslangic(ag, i)) {
            toplam += yolSayisi[i];
            baslangiclar.append(i);
        }
    }
    KodSirasiylaDiz(baslangiclar, satirlar);

    KritikYollar sonuc;
    sonuc.yollar = Listele(ag, satirlar, yolSayisi, baslangiclar, sinir);
    sonuc.sayi = toplam.Metin();
    BuyukSayi kalan = toplam;
    kalan -= quint32(sonuc.yollar.size());
    if (!kalan.SifirMi())
        sonuc.kalani = QStringLiteral("ve %1 yol daha").arg(kalan.Metin());
    return sonuc;
}

bool KritikYollardanBiri(const Ag& ag, const QVector<KayitliFaaliyet>& satirlar, const KodDizini& dizin,
                         const QString& yol)
{
    const QStringList kodlar = yol.split(QLatin1Char(','));
    // The main window ends its path at the first row finishing at F.
    int satir = 0;
    while (satir < ag.Boyut() && ag.ef[satir] != ag.bitis)
        ++satir;
    if (satir == ag.Boyut() || satirlar.at(satir).kodu != kodlar.last() || !ag.Kritik(satir))
        return false;
    for (int k = int(kodlar.size()) - 2; k >= 0; --k) {
        const int onceki = dizin.YukaridakiSatir(kodlar.at(k), satir);
        if (onceki < 0 || !KritikBag(ag, onceki, satir))
            return false;
        satir = onceki;
    }
    return Baslangic(ag, satir);
}
