#include "VeritabaniAcma.h"

#include "Iletiler.h"

namespace {

// The database as messages name it: the file, or the server without its password.
QString Kaynak(const VeritabaniSecimi& secim)
{
    SunucuAdresi adres;
    if (secim.sunucu.isEmpty() || SunucuAdresiniOku(secim.sunucu, adres))
        return secim.sunucu.isEmpty() ? secim.veritabani : QStringLiteral("sunucu");
    return GosterilecekAdres(adres);
}

} // namespace

int VeritabaniHatasi(const VeritabaniSecimi& secim, const DepoHatasi& hata)
{
    return HataBildir(QStringLiteral("%1: %2").arg(Kaynak(secim), HataMetni(hata)));
}

std::unique_ptr<GeciciBaglanti> VeritabaniniAc(const VeritabaniSecimi& secim, ProjeDeposu::Acilis acilis)
{
    std::unique_ptr<GeciciBaglanti> baglanti;
    SunucuAdresi adres;
    if (secim.sunucu.isEmpty()) {
        baglanti = std::make_unique<GeciciBaglanti>(secim.veritabani, acilis);
    } else if (auto hata = SunucuAdresiniOku(secim.sunucu, adres)) {
        VeritabaniHatasi(secim, hata);
        return nullptr;
    } else {
        baglanti = std::make_unique<GeciciBaglanti>(adres, acilis);
    }
    if (baglanti->hata()) {
        VeritabaniHatasi(secim, baglanti->hata());
        return nullptr;
    }
    return baglanti;
}
