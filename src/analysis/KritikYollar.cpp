#include "analysis/KritikYollar.h"

#include "analysis/BuyukSayi.h"

#include <algorithm>

namespace {

bool Başlangıç(const Ağ& ağ, int i)
{
    for (int k = ağ.öncekiBaşı[i]; k < ağ.öncekiBaşı[i + 1]; ++k) {
        if (ağ.Belirler(ağ.öncekiler[k], i))
            return false;
    }
    return true;
}

bool KritikBağ(const Ağ& ağ, int önceki, int ardıl)
{
    return ağ.Kritik(önceki) && ağ.Kritik(ardıl) && ağ.Belirler(önceki, ardıl);
}

// By code, then by row for a code stored twice, so that the listing is stable.
void KodSırasıylaDiz(QVector<int>& sıralar, const QVector<ÇizelgeSatırı>& satırlar)
{
    std::sort(sıralar.begin(), sıralar.end(), [&](int a, int b) {
        const int fark = QString::compare(satırlar.at(a).kodu, satırlar.at(b).kodu);
        return fark != 0 ? fark < 0 : a < b;
    });
}

// Depth first in code order, entering only rows that lead to a path, so each listed
// path costs its own length and the walk stops at the cap.
QVector<QStringList> Listele(const Ağ& ağ, const QVector<ÇizelgeSatırı>& satırlar,
                             const QVector<BüyükSayı>& yolSayısı, const QVector<int>& başlangıçlar, int sınır)
{
    const int n = ağ.Boyut();
    QVector<QVector<int>> sonrakiler(n);
    QVector<bool> sıralandı(n, false);
    QVector<QStringList> yollar;
    struct Adım {
        int satır;
        int sıradaki;
    };
    QVector<Adım> yığın;
    QStringList yol;
    auto Gir = [&](int satır) {
        yığın.append({satır, 0});
        yol.append(satırlar.at(satır).kodu);
        if (ağ.ef[satır] == ağ.bitiş)
            yollar.append(yol);
        // A row reached again by another path keeps the successors it was given.
        if (sıralandı[satır])
            return;
        sıralandı[satır] = true;
        QVector<int>& s = sonrakiler[satır];
        for (int k = ağ.ardılBaşı[satır]; k < ağ.ardılBaşı[satır + 1]; ++k) {
            const int ardıl = ağ.ardıllar[k];
            if (KritikBağ(ağ, satır, ardıl) && !yolSayısı[ardıl].SıfırMı())
                s.append(ardıl);
        }
        KodSırasıylaDiz(s, satırlar);
    };
    for (int başlangıç : başlangıçlar) {
        Gir(başlangıç);
        while (!yığın.isEmpty() && yollar.size() < sınır) {
            Adım& üst = yığın.last();
            if (üst.sıradaki < sonrakiler[üst.satır].size()) {
                Gir(sonrakiler[üst.satır][üst.sıradaki++]);
            } else {
                yığın.removeLast();
                yol.removeLast();
            }
        }
        if (yollar.size() >= sınır)
            break;
    }
    return yollar;
}

} // namespace

KritikYollar KritikYollarıBul(const Ağ& ağ, const QVector<ÇizelgeSatırı>& satırlar, int sınır)
{
    const int n = ağ.Boyut();
    // From the bottom up: the paths from a row to the finish are its own, when it
    // finishes at F, and those of each critical successor it starts.
    QVector<BüyükSayı> yolSayısı(n);
    for (int i = n - 1; i >= 0; --i) {
        if (!ağ.Kritik(i))
            continue;
        if (ağ.ef[i] == ağ.bitiş)
            yolSayısı[i] = BüyükSayı(1);
        for (int k = ağ.ardılBaşı[i]; k < ağ.ardılBaşı[i + 1]; ++k) {
            const int ardıl = ağ.ardıllar[k];
            if (KritikBağ(ağ, i, ardıl))
                yolSayısı[i] += yolSayısı[ardıl];
        }
    }
    BüyükSayı toplam;
    QVector<int> başlangıçlar;
    for (int i = 0; i < n; ++i) {
        if (!yolSayısı[i].SıfırMı() && Başlangıç(ağ, i)) {
            toplam += yolSayısı[i];
            başlangıçlar.append(i);
        }
    }
    KodSırasıylaDiz(başlangıçlar, satırlar);

    KritikYollar sonuç;
    sonuç.yollar = Listele(ağ, satırlar, yolSayısı, başlangıçlar, sınır);
    sonuç.sayı = toplam.Metin();
    BüyükSayı kalan = toplam;
    kalan -= quint32(sonuç.yollar.size());
    if (!kalan.SıfırMı())
        sonuç.kalanı = QStringLiteral("ve %1 yol daha").arg(kalan.Metin());
    return sonuç;
}

bool KritikYollardanBiri(const Ağ& ağ, const QVector<ÇizelgeSatırı>& satırlar, const KodDizini& dizin,
                         const QString& yol)
{
    const QStringList kodlar = yol.split(QLatin1Char(','));
    // The main window ends its path at the first row finishing at F.
    int satır = 0;
    while (satır < ağ.Boyut() && ağ.ef[satır] != ağ.bitiş)
        ++satır;
    if (satır == ağ.Boyut() || satırlar.at(satır).kodu != kodlar.last() || !ağ.Kritik(satır))
        return false;
    for (int k = int(kodlar.size()) - 2; k >= 0; --k) {
        const int önceki = dizin.YukarıdakiSatır(kodlar.at(k), satır);
        if (önceki < 0 || !KritikBağ(ağ, önceki, satır))
            return false;
        satır = önceki;
    }
    return Başlangıç(ağ, satır);
}
