#include "plan/Komut.h"

#include "rules/FaaliyetKurallari.h"
#include "store/ProjeDeposu.h"
#include "text/IlerlemeMetinleri.h"

#include <algorithm>

namespace {

// A predecessor must be an activity of the project added before this one. The store
// checks it inside the write, on the codes stored then: a code another planner deletes
// meanwhile is none. The first that is not goes to `yersiz`.
ProjeDeposu::KodKurali OncekiKurali(const QString& kod, const QString& oncekiler, QString& yersiz)
{
    return [&kod, &oncekiler, &yersiz](const QStringList& kodlar) {
        yersiz = YersizOnceki(oncekiler, OncekiOlabilecekKodlar(kodlar, kod)).value_or(QString());
        return yersiz.isEmpty();
    };
}

// The activity with the greatest code; the list must not be empty.
const KayitliFaaliyet& SonFaaliyet(const QVector<KayitliFaaliyet>& faaliyetler)
{
    return *std::max_element(faaliyetler.cbegin(), faaliyetler.cend(),
                             [](const KayitliFaaliyet& a, const KayitliFaaliyet& b) { return a.kodu < b.kodu; });
}

KomutHatasi Depo(DepoHatasi hata)
{
    return {std::move(hata), QString(), {}};
}

KomutHatasi TakvimReddedildi(const TakvimReddi& ret)
{
    KomutHatasi hata;
    hata.takvim = ret;
    return hata;
}

// Every window that writes activities, and the import's tool, shows a store refusal: a link
// refusal says it as one too, numbered.
KomutHatasi BagReddedildi(const BagReddi& ret, const QString& proje = QString())
{
    KomutHatasi hata;
    hata.bag = ret;
    const QString metin = BagReddiMetni(ret);
    hata.depo = DepoHatasi::yeni(DepoHatasi::Kisit,
                                 proje.isEmpty() ? metin : QStringLiteral("\"%1\" projesi: %2").arg(proje, metin));
    return hata;
}

// A project an import brings: each activity's links, then the cycles they may close. The
// dialogs cannot make a cycle (a predecessor is an activity added before), another
// program's file can.
BagReddi ProjeninBaglari(const TamProje& p)
{
    for (const Faaliyet& f : p.faaliyetler) {
        if (const BagReddi ret = BaglariDenetle(f))
            return ret;
    }
    return DonguyuDenetle(p.faaliyetler);
}

// A rule on the stored progress and baselines that keeps its refusal in `ret`.
template <typename Denetim>
ProjeDeposu::IlerlemeKurali IlerlemeKurali(IlerlemeReddi& ret, Denetim denetim)
{
    return [&ret, denetim](const ProjeIlerlemesi& ilerleme, const TabanPlanlari& tabanlar) {
        ret = denetim(ilerleme, tabanlar);
        return !ret;
    };
}

KomutHatasi IlerlemeReddedildi(const IlerlemeReddi& ret)
{
    KomutHatasi hata;
    hata.ilerleme = ret;
    return hata;
}

// The store's answer, with the rule's refusal when it was the rule that wrote nothing.
KomutHatasi IlerlemeSonucu(DepoHatasi depo, const IlerlemeReddi& ret)
{
    KomutHatasi hata = Depo(std::move(depo));
    hata.ilerleme = ret;
    return hata;
}

// An import's progress and baselines, said as a store refusal as its other rules are.
KomutHatasi AktarilanIlerleme(const TamProje& p)
{
    QStringList kodlar;
    for (const Faaliyet& f : p.faaliyetler)
        kodlar << f.kodu;
    const IlerlemeReddi ret = ProjeIlerlemesiniDenetle(p.ilerleme, p.tabanlar, kodlar);
    if (!ret)
        return {};
    KomutHatasi hata = IlerlemeReddedildi(ret);
    hata.depo = DepoHatasi::yeni(DepoHatasi::Kisit, QStringLiteral("\"%1\" projesi: %2")
                                                        .arg(p.proje.ad, IlerlemeMetinleri::RedMetni(ret)));
    return hata;
}

struct Uygulayici {
    const ProjeDeposu& depo;

    KomutHatasi operator()(const ProjeEkleKomutu& k) const { return Depo(depo.ProjeEkle(k.proje)); }
    KomutHatasi operator()(const ProjeDegistirKomutu& k) const { return Depo(depo.ProjeDegistir(k.eski, k.yeni)); }
    KomutHatasi operator()(const ProjeSilKomutu& k) const { return Depo(depo.ProjeSil(k.proje)); }
    KomutHatasi operator()(const FaaliyetEkleKomutu& k) const
    {
        if (const BagReddi ret = BaglariDenetle(k.faaliyet))
            return BagReddedildi(ret);
        KomutHatasi hata;
        hata.depo = depo.FaaliyetEkle(k.proje, k.faaliyet,
                                      OncekiKurali(k.faaliyet.kodu, k.faaliyet.oncekiler, hata.yersizOnceki));
        return hata;
    }
    KomutHatasi operator()(const FaaliyetDegistirKomutu& k) const
    {
        Faaliyet yeni = k.yeni;
        yeni.kodu = k.eski.kodu;
        if (const BagReddi ret = BaglariDenetle(yeni))
            return BagReddedildi(ret);
        KomutHatasi hata;
        hata.depo = depo.FaaliyetDegistir(k.proje, k.eski, k.yeni,
                                          OncekiKurali(k.eski.kodu, k.yeni.oncekiler, hata.yersizOnceki));
        return hata;
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
    KomutHatasi operator()(const IceAktarKomutu& k) const
    {
        // The import's window and tool show a store refusal: this one says it as one too.
        for (const TamProje& p : k.projeler) {
            if (const TakvimReddi ret = TakvimiDenetle(p.takvim)) {
                KomutHatasi hata = TakvimReddedildi(ret);
                hata.depo = DepoHatasi::yeni(DepoHatasi::Kisit, QStringLiteral("\"%1\" projesinin takvimi: %2")
                                                                    .arg(p.proje.ad, TakvimReddiMetni(ret)));
                return hata;
            }
            if (const BagReddi ret = ProjeninBaglari(p))
                return BagReddedildi(ret, p.proje.ad);
            if (KomutHatasi hata = AktarilanIlerleme(p))
                return hata;
        }
        return Depo(depo.IceAktar(k.projeler));
    }
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
    KomutHatasi operator()(const TakvimDegistirKomutu& k) const
    {
        if (const TakvimReddi ret = TakvimiDenetle(k.yeni))
            return TakvimReddedildi(ret);
        return Depo(depo.TakvimDegistir(k.proje, k.eski, k.yeni));
    }
    KomutHatasi operator()(const DurumTarihiKomutu& k) const
    {
        IlerlemeReddi ret;
        auto kural = IlerlemeKurali(ret, [&k](const ProjeIlerlemesi& saklanan, const TabanPlanlari&) {
            return DurumTarihiniDenetle(k.yeni, saklanan);
        });
        DepoHatasi hata = depo.DurumTarihiDegistir(k.proje, k.eski, k.yeni, kural);
        return IlerlemeSonucu(std::move(hata), ret);
    }
    KomutHatasi operator()(const IlerlemeKomutu& k) const
    {
        IlerlemeReddi ret;
        auto kural = IlerlemeKurali(ret, [&k](const ProjeIlerlemesi& saklanan, const TabanPlanlari&) {
            return k.yeni ? IlerlemeyiDenetle(k.kodu, *k.yeni, saklanan.durumTarihi) : IlerlemeReddi{};
        });
        DepoHatasi hata = depo.IlerlemeDegistir(k.proje, k.kodu, k.eski, k.yeni, kural);
        return IlerlemeSonucu(std::move(hata), ret);
    }
    KomutHatasi operator()(const TabanKaydetKomutu& k) const
    {
        IlerlemeReddi ret;
        auto kural = IlerlemeKurali(ret, [&k](const ProjeIlerlemesi&, const TabanPlanlari& tabanlar) {
            return TabanKaydiniDenetle(k.yeni, tabanlar);
        });
        qint32 numara = -1;
        DepoHatasi hata = depo.TabanKaydet(k.proje, k.yeni, numara, kural);
        return IlerlemeSonucu(std::move(hata), ret);
    }
    KomutHatasi operator()(const TabanAdlandirKomutu& k) const
    {
        IlerlemeReddi ret;
        auto kural = IlerlemeKurali(ret, [&k](const ProjeIlerlemesi&, const TabanPlanlari& tabanlar) {
            return TabanAdiniDenetle(k.yeniAd, tabanlar, k.numara);
        });
        DepoHatasi hata = depo.TabanAdlandir(k.proje, k.numara, k.eskiAd, k.yeniAd, kural);
        return IlerlemeSonucu(std::move(hata), ret);
    }
    KomutHatasi operator()(const TabanSilKomutu& k) const { return Depo(depo.TabanSil(k.proje, k.eski)); }
    KomutHatasi operator()(const TabanSecKomutu& k) const
    {
        IlerlemeReddi ret;
        auto kural = IlerlemeKurali(ret, [&k](const ProjeIlerlemesi&, const TabanPlanlari& tabanlar) {
            return TabanSeciminiDenetle(k.yeni, tabanlar);
        });
        DepoHatasi hata = depo.TabanSec(k.proje, k.eski, k.yeni, kural);
        return IlerlemeSonucu(std::move(hata), ret);
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
