#include "destek/PlanYazisi.h"

#include <QStringList>

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
        faaliyetler.append({alan.value(0), alan.value(1), sakli, alan.value(3)});
    }
    return faaliyetler;
}
