#include "text/BagMetinleri.h"

#include <QLocale>

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

} // namespace BagMetinleri
