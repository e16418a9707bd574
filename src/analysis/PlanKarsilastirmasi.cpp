#include "analysis/PlanKarsilastirmasi.h"

#include "kernel/TarihEsleme.h"

QDate Takvim(const KayitliProje& proje, qint64 gun)
{
    return GununTarihi(proje.baslama.deger.value_or(QDate()), gun);
}

QDate BitisTarihi(const QDate& baslama, qint64 es, qint64 ef)
{
    return GununTarihi(baslama, BitisGunu(es, ef));
}

PlanKarsilastirmasi PlaniKarsilastir(const KayitliProje& proje, qint64 projeBitisGunu)
{
    PlanKarsilastirmasi plan;
    plan.enErkenBitis = BitisTarihi(proje.baslama.deger.value_or(QDate()), 0, projeBitisGunu);
    if (!proje.baslama.deger || !proje.bitis.deger) {
        plan.eksikTarih = proje.baslama.deger ? EksikTarih::Bitis : EksikTarih::Baslama;
        plan.eksikTarihYerine = (proje.baslama.deger ? proje.bitis : proje.baslama).ham.toString();
        return plan;
    }
    plan.tahminiGunSayisi = proje.baslama.deger->daysTo(*proje.bitis.deger);
    plan.pay = *plan.tahminiGunSayisi - projeBitisGunu;
    return plan;
}
