#include "text/BagMetinleri.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace BagMetinleri {

QString KisaAd(BagTuru tur)
{
    switch (tur) {
    case BagTuru::BitisBaslama: return QStringLiteral("BB");
    case BagTuru::BaslamaBaslama: return QStringLiteral("BaBa");
    case BagTuru::BitisBitis: return QStringLiteral("BiBi");
    case BagTuru::BaslamaBitis: return QStringLiteral("BaBi");
    }
    return QString();
}

QString Ad(BagTuru tur)
{
    switch (tur) {
    case BagTuru::BitisBaslama: return QStringLiteral("Bitiş–Başlangıç");
    case BagTuru::BaslamaBaslama: return QStringLiteral("Başlangıç–Başlangıç");
    case BagTuru::BitisBitis: return QStringLiteral("Bitiş–Bitiş");
    case BagTuru::BaslamaBitis: return QStringLiteral("Başlangıç–Bitiş");
    }
    return QString();
}

QString TurVeGecikme(BagTuru tur, qint32 gecikme)
{
    if (tur == BagTuru::BitisBaslama && gecikme == 0)
        return QString();
    if (gecikme == 0)
        return KisaAd(tur);
    // A lead takes the minus sign, not the hyphen, as the other words of the plan do.
    const QString sayi = QLocale().toString(qAbs(qint64(gecikme)));
    return KisaAd(tur) + (gecikme > 0 ? QStringLiteral("+") : QStringLiteral("−")) + sayi;
}

QString OncekilerMetni(const QString& oncekiler, const QVector<BagAyrintisi>& baglar)
{
    if (baglar.isEmpty())
        return oncekiler;
    QStringList parcalar;
    for (const QString& kod : oncekiler.split(QLatin1Char(','))) {
        const auto bag = std::find_if(baglar.cbegin(), baglar.cend(),
                                      [&](const BagAyrintisi& b) { return b.onceki == kod; });
        const bool duz = bag == baglar.cend() || bag->Duz();
        parcalar << (duz ? kod : kod + QLatin1Char(' ') + TurVeGecikme(bag->tur, bag->gecikme));
    }
    return parcalar.join(QStringLiteral(", "));
}

} // namespace BagMetinleri
