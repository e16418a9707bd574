#include "rules/BagKurallari.h"

#include "kernel/OncekiListesi.h"
#include "kernel/Sira.h"

#include <QHash>
#include <QLocale>

BagReddi BaglariDenetle(const Faaliyet& faaliyet)
{
    const QStringList oncekiler = OncekiKodlari(faaliyet.oncekiler);
    QStringList gorulen;
    for (const BagAyrintisi& bag : faaliyet.baglar) {
        BagReddi ret{BagReddi::Yok, faaliyet.kodu, bag.onceki, bag.gecikme, {}};
        if (bag.gecikme < -GecikmeSiniri || bag.gecikme > GecikmeSiniri)
            ret.tur = BagReddi::GecikmeSiniriDisinda;
        else if (!oncekiler.contains(bag.onceki))
            ret.tur = BagReddi::ListedeYok;
        else if (gorulen.contains(bag.onceki))
            ret.tur = BagReddi::IkiKez;
        if (ret)
            return ret;
        gorulen << bag.onceki;
    }
    return {};
}

BagReddi DonguyuDenetle(const QVector<Faaliyet>& faaliyetler)
{
    QHash<QString, int> sira;
    for (int i = 0; i < int(faaliyetler.size()); ++i)
        sira.insert(faaliyetler[i].kodu, i);
    QVector<QVector<int>> onceki(faaliyetler.size());
    for (int i = 0; i < int(faaliyetler.size()); ++i) {
        OncekiKodlariniGez(faaliyetler[i].oncekiler, [&](QStringView kod) {
            const auto bulunan = sira.constFind(kod.toString());
            if (bulunan != sira.cend())
                onceki[i].append(*bulunan);
        });
    }
    QVector<int> dongu;
    Sirala(onceki, dongu);
    if (dongu.isEmpty())
        return {};
    BagReddi ret;
    ret.tur = BagReddi::Dongu;
    for (int i : std::as_const(dongu))
        ret.dongu << faaliyetler[i].kodu;
    ret.kodu = ret.dongu.first();
    return ret;
}

QString BagReddiMetni(const BagReddi& ret)
{
    const QLocale yerel;
    switch (ret.tur) {
    case BagReddi::Yok:
        break;
    case BagReddi::GecikmeSiniriDisinda:
        return QStringLiteral("%1 faaliyetinin %2 ile bağında gecikme %3 iş günü; gecikme ya da öncelik en çok "
                              "%4 iş günü olabilir.")
            .arg(ret.kodu, ret.onceki, yerel.toString(ret.gecikme), yerel.toString(GecikmeSiniri));
    case BagReddi::ListedeYok:
        return QStringLiteral("%1 faaliyetinin bağlarından biri \"%2\" faaliyetine; ama \"%2\" ÖNCEKİ FAALİYETLER "
                              "arasında değil.").arg(ret.kodu, ret.onceki);
    case BagReddi::IkiKez:
        return QStringLiteral("%1 faaliyetinin \"%2\" öncülüne iki bağ verilmiş; bir öncülün tek bağı olabilir.")
            .arg(ret.kodu, ret.onceki);
    case BagReddi::Dongu:
        return QStringLiteral("Bağlar bir döngü kuruyor: %1. Bir faaliyet kendi ardıllarından birine bağlanamaz.")
            .arg(ret.dongu.join(QStringLiteral(" → ")));
    }
    return QString();
}
