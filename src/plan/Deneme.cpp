#include "plan/Deneme.h"

void SureyiDene(Deneme& deneme, const KayitliFaaliyet& faaliyet, qint32 sure)
{
    if (faaliyet.sure.deger == sure)
        deneme.sureler.remove(faaliyet.kodu);
    else
        deneme.sureler.insert(faaliyet.kodu, sure);
}

QVector<KayitliFaaliyet> DenenenFaaliyetler(const QVector<KayitliFaaliyet>& faaliyetler, const Deneme& deneme)
{
    QVector<KayitliFaaliyet> denenen = faaliyetler;
    for (KayitliFaaliyet& f : denenen) {
        const auto sure = deneme.sureler.constFind(f.kodu);
        if (sure != deneme.sureler.cend())
            f.sure = {*sure, *sure};
    }
    return denenen;
}

SureleriDegistirKomutu DenemeKomutu(const Plan& plan, const Deneme& deneme)
{
    SureleriDegistirKomutu komut{plan.proje.ad, {}, {}};
    for (const KayitliFaaliyet& f : plan.faaliyetler) {
        const auto sure = deneme.sureler.constFind(f.kodu);
        if (sure != deneme.sureler.cend() && f.sure.deger != *sure) {
            komut.eskiler.append(f);
            komut.yeniler.append(*sure);
        }
    }
    return komut;
}

QString DenemeOzeti(const Plan& plan, const Deneme& deneme)
{
    QStringList parcalar;
    for (const KayitliFaaliyet& f : plan.faaliyetler) {
        const auto sure = deneme.sureler.constFind(f.kodu);
        if (sure != deneme.sureler.cend())
            parcalar << QStringLiteral("%1: %2 → %3 gün").arg(f.kodu, f.sure.ham.toString()).arg(*sure);
    }
    return parcalar.join(QStringLiteral(", "));
}
