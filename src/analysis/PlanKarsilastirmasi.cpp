#include "analysis/PlanKarsilastirmasi.h"

#include "kernel/TarihEsleme.h"

namespace {

// Why a date cannot be used: never entered, or something else stored in its place.
QString TarihYok(const QString& hangisi, const Sakli<QDate>& tarih)
{
    const QString ham = tarih.ham.toString();
    if (ham.isEmpty())
        return QStringLiteral("Projenin %1 tarihi girilmemiş.").arg(hangisi);
    return QStringLiteral("Projenin %1 tarihi \"%2\" bir tarih değil.").arg(hangisi, ham);
}

} // namespace

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
    if (!proje.baslama.deger) {
        plan.metin = TarihYok(QStringLiteral("başlama"), proje.baslama);
        return plan;
    }
    if (!proje.bitis.deger) {
        plan.metin = TarihYok(QStringLiteral("bitiş"), proje.bitis);
        return plan;
    }
    plan.tahminiGunSayisi = proje.baslama.deger->daysTo(*proje.bitis.deger);
    plan.pay = *plan.tahminiGunSayisi - projeBitisGunu;
    plan.metin = *plan.pay >= 0 ? QStringLiteral("%1 gün pay").arg(*plan.pay)
                                : QStringLiteral("%1 gün gecikme").arg(-*plan.pay);
    return plan;
}
