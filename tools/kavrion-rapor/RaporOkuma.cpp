#include "RaporOkuma.h"

#include "Iletiler.h"
#include "export/GuvenliYazim.h"
#include "VeritabaniAcma.h"

namespace {

VeritabaniSecimi Secim(const RaporKomutu& komut)
{
    return {komut.veritabani, komut.sunucu};
}

} // namespace

int ProjeleriAl(const RaporKomutu& komut, QStringList& adlar)
{
    const auto baglanti = VeritabaniniAc(Secim(komut), ProjeDeposu::Acilis::SaltOku);
    if (!baglanti)
        return Cikis::Hata;
    if (const DepoHatasi hata = baglanti->depo().ProjeleriOku(adlar))
        return VeritabaniHatasi(Secim(komut), hata);
    return Cikis::Basarili;
}

int RaporuAl(const RaporKomutu& komut, Rapor& rapor, QVector<KayitliFaaliyet>* faaliyetler)
{
    const auto baglanti = VeritabaniniAc(Secim(komut), ProjeDeposu::Acilis::SaltOku);
    if (!baglanti)
        return Cikis::Hata;
    const DepoHatasi hata = RaporuOku(baglanti->depo(), komut.proje, rapor, faaliyetler);
    if (hata.numara == DepoHatasi::Bulunamadi)
        return HataBildir(QStringLiteral("%1 projesi yok.").arg(Alinti(komut.proje)));
    if (hata)
        return VeritabaniHatasi(Secim(komut), hata);
    return Cikis::Basarili;
}

int DosyayaKaydet(const RaporKomutu& komut, const QByteArray& icerik)
{
    if (const DepoHatasi hata = DosyayaYaz(komut.cikti, icerik, komut.veritabani))
        return HataBildir(HataMetni(hata));
    return Cikis::Basarili;
}
