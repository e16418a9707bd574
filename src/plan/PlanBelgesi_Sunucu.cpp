#include "plan/PlanBelgesi.h"

#include "store/DepoBilgisi.h"
#include "store/GeciciBaglanti.h"

DepoHatasi PlanBelgesi::SunucuyuAc(const SunucuAdresi& adres)
{
    // The same connection name, so that everything that reaches the store by it (the
    // windows, the application's own name for it) follows without being told.
    ProjeDeposu::Kapat(m_depo.baglanti());
    m_sunucu.reset();
    if (DepoHatasi hata = ProjeDeposu::SunucuyaBaglan(adres, m_depo.baglanti()))
        return hata;
    m_sunucu = adres;
    DuyurulariDinle();
    emit depoDegisti();
    return {};
}

DepoHatasi PlanBelgesi::SunucuyaGec(const SunucuAdresi& adres)
{
    if (const GeciciBaglanti deneme(adres); deneme.hata())
        return deneme.hata();
    // The server answered a moment ago; should it be lost before the document's own
    // connection reaches it, the document goes back to what it had.
    const std::optional<SunucuAdresi> onceki = m_sunucu;
    DepoBilgisi dosya;
    if (!onceki)
        ::DepoBilgisiniOku(m_depo, dosya);
    if (const DepoHatasi hata = SunucuyuAc(adres)) {
        if (onceki)
            SunucuyuAc(*onceki);
        else
            ProjeDeposu::Ac(dosya.yol, m_depo.baglanti());
        return hata;
    }
    if (const DepoHatasi okuma = ProjeleriOku())
        emit okunamadi(okuma);
    return {};
}

std::optional<SunucuAdresi> PlanBelgesi::sunucu() const
{
    if (!m_sunucu)
        return std::nullopt;
    return GizlisizAdres(*m_sunucu);
}
