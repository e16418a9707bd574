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

QVector<IlkAd> IlkAdlariBul(Aktarim& aktarim, QStringList alinmis)
{
    QVector<IlkAd> adlar;
    for (const AktarilacakProje& p : std::as_const(aktarim.projeler)) {
        const QString ad = BuyukHarfeCevir(p.proje.proje.ad);
        IlkAd ilk{ad, QString()};
        if (p.ret.isEmpty()) {
            if (ad != p.proje.proje.ad)
                aktarim.rapor.append(QStringLiteral("Proje adı büyük harfle yazılacak: \"%1\" → \"%2\".")
                                         .arg(p.proje.proje.ad, ad));
            // A name already taken is offered free at once, rather than refused after "Aktar".
            ilk.ad = BosAdBul(ad, alinmis);
            if (ilk.ad != ad) {
                ilk.kayitliAd = ad;
                aktarim.rapor.append(QStringLiteral("\"%1\" adıyla kayıtlı bir proje var: yerine \"%2\" önerildi.")
                                         .arg(ad, ilk.ad));
            }
            alinmis.append(ilk.ad);
        }
        adlar.append(ilk);
    }
    return adlar;
}

QStringList AktarimRaporu(const Aktarim& aktarim)
{
    QStringList satirlar = aktarim.okuma;
    satirlar += aktarim.rapor;
    if (aktarim.rapor.isEmpty())
        satirlar.append(
            QStringLiteral("Hiçbir şey dönüştürülmedi: dosyadaki her şey olduğu gibi aktarılacak."));
    return satirlar;
}
