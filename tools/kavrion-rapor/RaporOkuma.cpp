#include "RaporOkuma.h"

#include "Iletiler.h"
#include "export/GuvenliYazim.h"
#include "store/GeciciBaglanti.h"

namespace {

// The database as messages name it: the file, or the server without its password.
QString Kaynak(const RaporKomutu& komut)
{
    SunucuAdresi adres;
    if (komut.sunucu.isEmpty() || SunucuAdresiniOku(komut.sunucu, adres))
        return komut.sunucu.isEmpty() ? komut.veritabani : QStringLiteral("sunucu");
    return GosterilecekAdres(adres);
}

int VeritabaniHatasi(const RaporKomutu& komut, const DepoHatasi& hata)
{
    return HataBildir(QStringLiteral("%1: %2").arg(Kaynak(komut), HataMetni(hata)));
}

// The file opened read-only, or the server in one read-only transaction.
std::unique_ptr<GeciciBaglanti> Ac(const RaporKomutu& komut)
{
    if (komut.sunucu.isEmpty())
        return std::make_unique<GeciciBaglanti>(komut.veritabani, ProjeDeposu::Acilis::SaltOku);
    SunucuAdresi adres;
    if (auto hata = SunucuAdresiniOku(komut.sunucu, adres)) {
        VeritabaniHatasi(komut, hata);
        return nullptr;
    }
    return std::make_unique<GeciciBaglanti>(adres, ProjeDeposu::Acilis::SaltOku);
}

} // namespace

int ProjeleriAl(const RaporKomutu& komut, QStringList& adlar)
{
    const auto baglanti = Ac(komut);
    if (!baglanti)
        return Cikis::Hata;
    if (baglanti->hata())
        return VeritabaniHatasi(komut, baglanti->hata());
    if (const DepoHatasi hata = baglanti->depo().ProjeleriOku(adlar))
        return VeritabaniHatasi(komut, hata);
    return Cikis::Basarili;
}

int RaporuAl(const RaporKomutu& komut, Rapor& rapor, QVector<KayitliFaaliyet>* faaliyetler)
{
    const auto baglanti = Ac(komut);
    if (!baglanti)
        return Cikis::Hata;
    if (baglanti->hata())
        return VeritabaniHatasi(komut, baglanti->hata());
    const DepoHatasi hata = RaporuOku(baglanti->depo(), komut.proje, rapor, faaliyetler);
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
