#include "RaporOkuma.h"

#include "Iletiler.h"
#include "export/GuvenliYazim.h"
#include "store/GeciciBaglanti.h"

namespace {

int VeritabaniHatasi(const RaporKomutu& komut, const DepoHatasi& hata)
{
    return HataBildir(QStringLiteral("%1: %2").arg(komut.veritabani, HataMetni(hata)));
}

} // namespace

int ProjeleriAl(const RaporKomutu& komut, QStringList& adlar)
{
    const GeciciBaglanti baglanti(komut.veritabani, ProjeDeposu::Acilis::SaltOku);
    if (baglanti.hata())
        return VeritabaniHatasi(komut, baglanti.hata());
    if (const DepoHatasi hata = baglanti.depo().ProjeleriOku(adlar))
        return VeritabaniHatasi(komut, hata);
    return Cikis::Basarili;
}

int RaporuAl(const RaporKomutu& komut, Rapor& rapor, QVector<KayitliFaaliyet>* faaliyetler)
{
    const GeciciBaglanti baglanti(komut.veritabani, ProjeDeposu::Acilis::SaltOku);
    if (baglanti.hata())
        return VeritabaniHatasi(komut, baglanti.hata());
    const DepoHatasi hata = RaporuOku(baglanti.depo(), komut.proje, rapor, faaliyetler);
    if (hata.numara == DepoHatasi::Bulunamadi)
        return HataBildir(QStringLiteral("%1 projesi yok.").arg(Alinti(komut.proje)));
    if (hata)
        return VeritabaniHatasi(komut, hata);
    return Cikis::Basarili;
}

int DosyayaKaydet(const RaporKomutu& komut, const QByteArray& icerik)
{
    if (const DepoHatasi hata = DosyayaYaz(komut.cikti, icerik, komut.veritabani))
        return HataBildir(HataMetni(hata));
    return Cikis::Basarili;
}
