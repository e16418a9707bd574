#include "Bolumler.h"
#include "schedule/Cizelge.h"
#include "schedule/OncekiListesi.h"

void İleriGeçişBölümü(Tablo& tablo)
{
    tablo.Bölüm(QStringLiteral("İleri geçiş ve kritik yol, büyüyen ağ"));
    std::mt19937 üreteç(20260302);
    for (AğBiçimi biçim : Deney::Biçimler) {
        for (int satırSayısı : {62, 620, 6200}) {
            QVector<ÇizelgeSatırı> satırlar;
            int bağ = 0;
            for (const Faaliyet& f : AğKur(biçim, satırSayısı, üreteç)) {
                satırlar.append({f.kodu, f.adı, QString::number(f.süre), f.öncekiler, QString(), QString()});
                bağ += f.öncekiler.isEmpty() ? 0 : int(ÖncekiKodları(f.öncekiler).size());
            }
            const int tekrar = satırSayısı >= 6200 ? 11 : 101;
            const Ölçüm ölçüm = SüreÖlç(tekrar, nullptr, [&] { ÇizelgeyiHesapla(satırlar); });
            tablo.Satır(QStringLiteral("ÇizelgeyiHesapla"),
                        QStringLiteral("%1, %2 satır, %3 bağ").arg(BiçimAdı(biçim)).arg(satırSayısı).arg(bağ), ölçüm,
                        QStringLiteral("ms"));
        }
    }
}
