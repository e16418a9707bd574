#include "destek/PlanYazisi.h"

#include "text/BagMetinleri.h"

#include <QStringList>

namespace {

// "A/BaBa+2,B" into the codes "A,B" and the link details.
QString Baglar(const QString& liste, QVector<BagAyrintisi>& baglar)
{
    QStringList kodlar;
    for (const QString& oge : liste.split(QLatin1Char(','))) {
        const QString kod = oge.section(QLatin1Char('/'), 0, 0), ayrinti = oge.section(QLatin1Char('/'), 1);
        kodlar << kod;
        for (BagTuru tur : {BagTuru::BaslamaBaslama, BagTuru::BaslamaBitis, BagTuru::BitisBitis, BagTuru::BitisBaslama}) {
            if (!ayrinti.isEmpty() && ayrinti.startsWith(BagMetinleri::KisaAd(tur))) {
                baglar.append({kod, tur, ayrinti.mid(BagMetinleri::KisaAd(tur).size()).toInt()});
                break;
            }
        }
    }
    return kodlar.join(QLatin1Char(','));
}

} // namespace

QVector<KayitliFaaliyet> Faaliyetler(const QString& tanim)
{
    QVector<KayitliFaaliyet> faaliyetler;
    for (const QString& parca : tanim.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QStringList alan = parca.split(QLatin1Char(':'));
        if (alan.size() < 4)
            alan.insert(1, alan.value(0).toLower());
        bool sayi = false;
        const qint32 sure = alan.value(2).toInt(&sayi);
        const Sakli<qint32> sakli{sayi ? QVariant(sure) : QVariant(alan.value(2)),
                                  sayi ? std::optional(sure) : std::nullopt};
        QVector<BagAyrintisi> baglar;
        const QString oncekiler = Baglar(alan.value(3), baglar);
        faaliyetler.append({alan.value(0), alan.value(1), sakli, oncekiler, baglar});
    }
    return faaliyetler;
}
