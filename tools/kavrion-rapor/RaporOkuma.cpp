#include "RaporOkuma.h"

#include "Iletiler.h"
#include "export/GuvenliYazim.h"
#include "store/GeciciBaglanti.h"

namespace {

int VeritabanıHatası(const RaporKomutu& komut, const DepoHatası& hata)
{
    return HataBildir(QStringLiteral("%1: %2").arg(komut.veritabanı, HataMetni(hata)));
}

} // namespace

int ProjeleriAl(const RaporKomutu& komut, QStringList& adlar)
{
    const GeçiciBağlantı bağlantı(komut.veritabanı, ProjeDeposu::Açılış::SaltOku);
    if (bağlantı.hata())
        return VeritabanıHatası(komut, bağlantı.hata());
    if (const DepoHatası hata = bağlantı.depo().ProjeleriOku(adlar))
        return VeritabanıHatası(komut, hata);
    return Çıkış::Başarılı;
}

int RaporuAl(const RaporKomutu& komut, Rapor& rapor)
{
    const GeçiciBağlantı bağlantı(komut.veritabanı, ProjeDeposu::Açılış::SaltOku);
    if (bağlantı.hata())
        return VeritabanıHatası(komut, bağlantı.hata());
    const DepoHatası hata = RaporuOku(bağlantı.depo(), komut.proje, rapor);
    if (hata.numara == DepoHatası::Bulunamadı)
        return HataBildir(QStringLiteral("%1 projesi yok.").arg(Alıntı(komut.proje)));
    if (hata)
        return VeritabanıHatası(komut, hata);
    return Çıkış::Başarılı;
}

int DosyayaKaydet(const RaporKomutu& komut, const QByteArray& içerik)
{
    if (const DepoHatası hata = DosyayaYaz(komut.çıktı, içerik, komut.veritabanı))
        return HataBildir(HataMetni(hata));
    return Çıkış::Başarılı;
}
