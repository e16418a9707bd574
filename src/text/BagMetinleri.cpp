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

QString Tamlayan(const QString& kod)
{
    // Each character's name as Turkish reads it sets the ending: "be" takes "nin",
    // "üç" takes "ün", "altı" takes "nın".
    struct Ek {
        const char16_t* karakterler;
        const char16_t* ek;
    };
    static const Ek ekler[] = {
        {u"AaIı6", u"'nın"},
        {u"BbCcÇçDdEeFfGgĞğHhİiJjKkLlMmNnPpRrSsŞşTtVvWwYyZz27", u"'nin"},
        {u"OoUu", u"'nun"},
        {u"ÖöÜüQq", u"'nün"},
        {u"0", u"'ın"},
        {u"158Xx", u"'in"},
        {u"9", u"'un"},
        {u"34", u"'ün"},
    };
    const QChar son = kod.isEmpty() ? QChar() : kod.back();
    for (const Ek& e : ekler) {
        if (QStringView(e.karakterler).contains(son))
            return kod + QString::fromUtf16(e.ek);
    }
    return kod + QStringLiteral("'nin");
}

QString KuralCumlesi(const QString& ardil, const BagAyrintisi& bag)
{
    const bool oncekiBaslar = bag.tur == BagTuru::BaslamaBaslama || bag.tur == BagTuru::BaslamaBitis;
    const bool ardilBaslar = bag.tur == BagTuru::BitisBaslama || bag.tur == BagTuru::BaslamaBaslama;
    const QString tur = TurVeGecikme(bag.tur, bag.gecikme);
    const QString ek = tur.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(tur);
    if (bag.gecikme == 0) {
        return QStringLiteral("%1, %2 %3 %4%5")
            .arg(ardil, bag.onceki, oncekiBaslar ? QStringLiteral("başlamadan") : QStringLiteral("bitmeden"),
                 ardilBaslar ? QStringLiteral("başlayamaz") : QStringLiteral("bitemez"), ek);
    }
    return QStringLiteral("%1, %2 %3 %4 iş günü %5 %6%7")
        .arg(ardil, Tamlayan(bag.onceki), oncekiBaslar ? QStringLiteral("başlangıcından") : QStringLiteral("bitişinden"),
             QLocale().toString(qAbs(qint64(bag.gecikme))),
             bag.gecikme > 0 ? QStringLiteral("sonra") : QStringLiteral("önce"),
             ardilBaslar ? QStringLiteral("başlayabilir") : QStringLiteral("bitebilir"), ek);
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
