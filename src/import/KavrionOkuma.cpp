#include "import/KavrionOkuma.h"

#include "store/GeciciBaglanti.h"

namespace {

// The value as it will be written, or why it cannot be.
template <typename T>
bool Deger(const Sakli<T>& sakli, T& deger, const QString& ne, QString& ret)
{
    if (sakli.deger) {
        deger = *sakli.deger;
        return true;
    }
    if (ret.isEmpty())
        ret = QStringLiteral("%1 \"%2\" okunamıyor.").arg(ne, sakli.ham.toString());
    return false;
}

AktarilacakProje Aktarilacak(const KayitliProje& kayitli, const QVector<KayitliFaaliyet>& faaliyetler,
                             const QHash<QString, UcNoktaTahmini>& tahminler, Dagilim dagilim)
{
    AktarilacakProje sonuc;
    sonuc.proje.dagilim = dagilim;
    sonuc.proje.takvim = kayitli.takvim;
    sonuc.proje.ilerleme = kayitli.ilerleme;
    sonuc.proje.tabanlar = kayitli.tabanlar;
    Proje& proje = sonuc.proje.proje;
    proje.ad = kayitli.ad;
    Deger(kayitli.baslama, proje.baslama, QStringLiteral("Başlama tarihi"), sonuc.ret);
    Deger(kayitli.bitis, proje.bitis, QStringLiteral("Bitiş tarihi"), sonuc.ret);
    for (const KayitliFaaliyet& k : faaliyetler) {
        Faaliyet f{k.kodu, k.adi, 0, k.oncekiler, k.baglar};
        Deger(k.sure, f.sure, QStringLiteral("%1 faaliyetinin süresi").arg(k.kodu), sonuc.ret);
        sonuc.proje.faaliyetler.append(f);
        // Only an activity's estimate: a row another program left without one has nothing to follow.
        if (const auto tahmin = tahminler.constFind(k.kodu); tahmin != tahminler.cend())
            sonuc.proje.tahminler.insert(k.kodu, *tahmin);
    }
    return sonuc;
}

} // namespace

DepoHatasi KavrionDosyasiOku(const QString& yol, QVector<AktarilacakProje>& projeler)
{
    projeler.clear();
    const GeciciBaglanti baglanti(yol, ProjeDeposu::Acilis::SaltOku);
    if (baglanti.hata())
        return baglanti.hata();
    const ProjeDeposu depo = baglanti.depo();
    QStringList adlar;
    if (auto hata = depo.ProjeleriOku(adlar))
        return hata;
    for (const QString& ad : std::as_const(adlar)) {
        KayitliProje proje;
        QVector<KayitliFaaliyet> faaliyetler;
        QHash<QString, UcNoktaTahmini> tahminler;
        Dagilim dagilim = Dagilim::Pert;
        if (auto hata = depo.ProjeOku(ad, proje))
            return hata;
        if (auto hata = depo.FaaliyetleriOku(ad, faaliyetler))
            return hata;
        if (auto hata = depo.TahminleriOku(ad, tahminler))
            return hata;
        if (auto hata = depo.DagilimOku(ad, dagilim))
            return hata;
        projeler.append(Aktarilacak(proje, faaliyetler, tahminler, dagilim));
    }
    return {};
}
