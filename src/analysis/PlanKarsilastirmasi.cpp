#include "analysis/PlanKarsilastirmasi.h"

#include "kernel/TarihEsleme.h"

QDate BitisTarihi(const IsTakvimi& takvim, const QDate& baslama, qint64 es, qint64 ef)
{
    return GununTarihi(takvim, baslama, BitisGunu(es, ef));
}

PlanKarsilastirmasi PlaniKarsilastir(const KayitliProje& proje, const IsTakvimi& takvim, qint64 projeBitisGunu)
{
    PlanKarsilastirmasi plan;
    plan.enErkenBitis = BitisTarihi(takvim, proje.baslama.deger.value_or(QDate()), 0, projeBitisGunu);
    if (!proje.baslama.deger || !proje.bitis.deger) {
        plan.eksikTarih = proje.baslama.deger ? EksikTarih::Bitis : EksikTarih::Baslama;
        plan.eksikTarihYerine = (proje.baslama.deger ? proje.bitis : proje.baslama).ham.toString();
        return plan;
    }
    plan.tahminiGunSayisi = takvim.HerGunCalisilir() ? proje.baslama.deger->daysTo(*proje.bitis.deger)
                                                     : takvim.IsGunuSay(*proje.baslama.deger, *proje.bitis.deger);
    plan.pay = *plan.tahminiGunSayisi - projeBitisGunu;
    return plan;
}
