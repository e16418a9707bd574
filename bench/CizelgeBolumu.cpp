#include "Bolumler.h"
#include "kernel/Cizelge.h"
#include "kernel/OncekiListesi.h"

void IleriGecisBolumu(Tablo& tablo)
{
    tablo.Bolum(QStringLiteral("İleri geçiş ve kritik yol, büyüyen ağ"));
    std::mt19937 uretec(20260302);
    for (AgBicimi bicim : Deney::Bicimler) {
        for (int satirSayisi : {62, 620, 6200}) {
            QVector<KayitliFaaliyet> satirlar;
            int bag = 0;
            for (const Faaliyet& f : AgKur(bicim, satirSayisi, uretec)) {
                satirlar.append({f.kodu, f.adi, {f.sure, f.sure}, f.oncekiler});
                bag += f.oncekiler.isEmpty() ? 0 : int(OncekiKodlari(f.oncekiler).size());
            }
            const int tekrar = satirSayisi >= 6200 ? 11 : 101;
            const Olcum olcum = SureOlc(tekrar, nullptr, [&] { CizelgeyiHesapla(satirlar); });
            tablo.Satir(QStringLiteral("ÇizelgeyiHesapla"),
                        QStringLiteral("%1, %2 satır, %3 bağ").arg(BicimAdi(bicim)).arg(satirSayisi).arg(bag), olcum,
                        QStringLiteral("ms"));
        }
    }
}
