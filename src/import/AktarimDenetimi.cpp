#include "import/AktarimDenetimi.h"

AktarimBulgulari AktarimProjesiniDenetle(ProjeMetinleri metinler, const QStringList& alinmis)
{
    metinler.ad = BuyukHarfeCevir(metinler.ad);
    metinler.gunSayisi.clear();
    AktarimBulgulari bulgular;
    bulgular.eksikler = EksikBilgileriBul(metinler);
    if (!metinler.ad.isEmpty() && alinmis.contains(metinler.ad))
        bulgular.bosAd = BosAdBul(metinler.ad, alinmis);
    return bulgular;
}

QString BosAdBul(const QString& ad, const QStringList& alinmis)
{
    // An empty name is said by the save checks; " (2)" would be no name to offer.
    if (ad.isEmpty())
        return ad;
    QString aday = ad;
    // There are fewer taken names than numbers, so the loop ends.
    for (qsizetype sira = 2; alinmis.contains(aday); ++sira)
        aday = ad + QStringLiteral(" (%1)").arg(sira); // never arg(ad): a "%1" in a name stays as typed
    return aday;
}
