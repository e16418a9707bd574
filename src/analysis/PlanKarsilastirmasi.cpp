#include "analysis/PlanKarsilastirmasi.h"

namespace {

// Why a date cannot be used: never entered, or something else stored in its place.
QString TarihYok(const QString& hangisi, const Saklı<QDate>& tarih)
{
    const QString ham = tarih.ham.toString();
    if (ham.isEmpty())
        return QStringLiteral("Projenin %1 tarihi girilmemiş.").arg(hangisi);
    return QStringLiteral("Projenin %1 tarihi \"%2\" bir tarih değil.").arg(hangisi, ham);
}

} // namespace

QDate Takvim(const KayıtlıProje& proje, qint64 gün)
{
    return proje.başlama.değer ? proje.başlama.değer->addDays(gün) : QDate();
}

PlanKarşılaştırması PlanıKarşılaştır(const KayıtlıProje& proje, qint64 projeBitişGünü)
{
    PlanKarşılaştırması plan;
    plan.enErkenBitiş = Takvim(proje, projeBitişGünü);
    if (!proje.başlama.değer) {
        plan.metin = TarihYok(QStringLiteral("başlama"), proje.başlama);
        return plan;
    }
    if (!proje.bitiş.değer) {
        plan.metin = TarihYok(QStringLiteral("bitiş"), proje.bitiş);
        return plan;
    }
    plan.tahminiGünSayısı = proje.başlama.değer->daysTo(*proje.bitiş.değer);
    plan.pay = *plan.tahminiGünSayısı - projeBitişGünü;
    plan.metin = *plan.pay >= 0 ? QStringLiteral("%1 gün pay").arg(*plan.pay)
                                : QStringLiteral("%1 gün gecikme").arg(-*plan.pay);
    return plan;
}
