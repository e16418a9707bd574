#include "plan/Komut.h"

#include "rules/FaaliyetKurallari.h"
#include "store/ProjeDeposu.h"

#include <algorithm>

namespace {

// A predecessor must be an activity of the project added before this one; a code
// deleted since it was picked is none. A project that is gone is reported as such
// rather than as predecessors it no longer has.
KomutHatasi OncekileriDenetle(const ProjeDeposu& depo, const QString& proje, const QString& kod,
                              const QString& oncekiler)
{
    KayitliProje kayitli;
    QStringList kodlar;
    KomutHatasi hata;
    hata.depo = depo.ProjeOku(proje, kayitli);
    if (!hata.depo)
        hata.depo = depo.KodlariOku(proje, kodlar);
    if (!hata.depo)
        hata.yersizOnceki = YersizOnceki(oncekiler, OncekiOlabilecekKodlar(kodlar, kod)).value_or(QString());
    return hata;
}

// The activity with the greatest code; the list must not be empty.
const KayitliFaaliyet& SonFaaliyet(const QVector<KayitliFaaliyet>& faaliyetler)
{
    return *std::max_element(faaliyetler.cbegin(), faaliyetler.cend(),
                             [](const KayitliFaaliyet& a, const KayitliFaaliyet& b) { return a.kodu < b.kodu; });
}

KomutHatasi Depo(DepoHatasi hata)
{
    return {std::move(hata), QString()};
}

struct Uygulayici {
    const ProjeDeposu& depo;

    KomutHatasi operator()(const ProjeEkleKomutu& k) const { return Depo(depo.ProjeEkle(k.proje)); }
    KomutHatasi operator()(const ProjeDegistirKomutu& k) const { return Depo(depo.ProjeDegistir(k.eski, k.yeni)); }
    KomutHatasi operator()(const ProjeSilKomutu& k) const { return Depo(depo.ProjeSil(k.proje)); }
    KomutHatasi operator()(const FaaliyetEkleKomutu& k) const
    {
        if (auto hata = OncekileriDenetle(depo, k.proje, k.faaliyet.kodu, k.faaliyet.oncekiler))
            return hata;
        return Depo(depo.FaaliyetEkle(k.proje, k.faaliyet));
    }
    KomutHatasi operator()(const FaaliyetDegistirKomutu& k) const
    {
        if (auto hata = OncekileriDenetle(depo, k.proje, k.eski.kodu, k.yeni.oncekiler))
            return hata;
        return Depo(depo.FaaliyetDegistir(k.proje, k.eski, k.yeni));
    }
    KomutHatasi operator()(const SonFaaliyetiSilKomutu& k) const
    {
        if (k.gosterilenler.isEmpty())
            return {};
        // The store refuses should the file hold a later one by now.
        return Depo(depo.SonFaaliyetiSil(k.proje, SonFaaliyet(k.gosterilenler)));
    }
    KomutHatasi operator()(const TumFaaliyetleriSilKomutu& k) const
    {
        return Depo(depo.TumFaaliyetleriSil(k.proje, k.gosterilenler));
    }
    KomutHatasi operator()(const IceAktarKomutu& k) const { return Depo(depo.IceAktar(k.projeler)); }
    KomutHatasi operator()(const TahminDegistirKomutu& k) const
    {
        if (k.yeni) {
            const QString neden = TahminHatasi(*k.yeni);
            if (!neden.isEmpty())
                return Depo(DepoHatasi::yeni(DepoHatasi::Kisit, neden));
        }
        return Depo(depo.TahminDegistir(k.proje, k.kodu, k.eski, k.yeni));
    }
    KomutHatasi operator()(const SureleriDegistirKomutu& k) const
    {
        return Depo(depo.SureleriDegistir(k.proje, k.eskiler, k.yeniler));
    }
    KomutHatasi operator()(const DagilimDegistirKomutu& k) const
    {
        return Depo(depo.DagilimDegistir(k.proje, k.eski, k.yeni));
    }
};

} // namespace

KomutHatasi KomutuUygula(const ProjeDeposu& depo, const Komut& komut)
{
    return std::visit(Uygulayici{depo}, komut);
}

bool ProjeKomutuMu(const Komut& komut)
{
    return std::holds_alternative<ProjeEkleKomutu>(komut) || std::holds_alternative<ProjeDegistirKomutu>(komut)
           || std::holds_alternative<ProjeSilKomutu>(komut) || std::holds_alternative<IceAktarKomutu>(komut);
}

DepoHatasi SonrakiKodu(const ProjeDeposu& depo, const QString& proje, std::optional<QString>& kod)
{
    QString enBuyuk;
    if (auto hata = depo.EnBuyukKodu(proje, enBuyuk))
        return hata;
    kod = SonrakiKod(enBuyuk);
    return {};
}

std::optional<QString> SonrakiKodu(const QVector<KayitliFaaliyet>& faaliyetler)
{
    return SonrakiKod(faaliyetler.isEmpty() ? QString() : SonFaaliyet(faaliyetler).kodu);
}
