// The store the document works on: a plan file or a server, opened and switched alike.
#include "plan/PlanBelgesi.h"

#include "store/DepoBilgisi.h"
#include "store/GeciciBaglanti.h"

DepoHatasi PlanBelgesi::DepoyuAc(const std::function<DepoHatasi()>& ac, std::optional<SunucuAdresi> sunucu)
{
    // A project of the same name in the store opened is another project: no trial carries over.
    DenemeyiBirak();
    // The same connection name, so that everything that reaches the store by it (the
    // windows, the application's own name for it) follows without being told.
    ProjeDeposu::Kapat(m_depo.baglanti());
    m_sunucu.reset();
    if (DepoHatasi hata = ac())
        return hata;
    m_sunucu = std::move(sunucu);
    DuyurulariDinle();
    emit depoDegisti();
    return {};
}

DepoHatasi PlanBelgesi::SunucuyuAc(const SunucuAdresi& adres)
{
    return DepoyuAc([&] { return ProjeDeposu::SunucuyaBaglan(adres, m_depo.baglanti()); }, adres);
}

DepoHatasi PlanBelgesi::DosyayiAc(const QString& yol)
{
    return DepoyuAc([&] { return ProjeDeposu::Ac(yol, m_depo.baglanti()); }, std::nullopt);
}

DepoHatasi PlanBelgesi::Gec(const std::function<DepoHatasi()>& dene, const std::function<DepoHatasi()>& ac)
{
    if (const DepoHatasi hata = dene())
        return hata;
    // The store answered a moment ago; should it be lost before the document's own
    // connection reaches it, the document goes back to what it had.
    const std::optional<SunucuAdresi> onceki = m_sunucu;
    DepoBilgisi dosya;
    if (!onceki)
        ::DepoBilgisiniOku(m_depo, dosya);
    if (const DepoHatasi hata = ac()) {
        if (onceki)
            SunucuyuAc(*onceki);
        else
            DosyayiAc(dosya.yol);
        return hata;
    }
    if (const DepoHatasi okuma = ProjeleriOku())
        emit okunamadi(okuma);
    return {};
}

DepoHatasi PlanBelgesi::SunucuyaGec(const SunucuAdresi& adres)
{
    return Gec([&] { return GeciciBaglanti(adres).hata(); }, [&] { return SunucuyuAc(adres); });
}

DepoHatasi PlanBelgesi::DosyayaGec(const QString& yol)
{
    return Gec([&] { return GeciciBaglanti(yol).hata(); }, [&] { return DosyayiAc(yol); });
}

std::optional<SunucuAdresi> PlanBelgesi::sunucu() const
{
    return m_sunucu ? std::optional(GizlisizAdres(*m_sunucu)) : std::nullopt;
}
