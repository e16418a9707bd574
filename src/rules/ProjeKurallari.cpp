#include "rules/ProjeKurallari.h"

#include "rules/BolgeselMetin.h"
#include "rules/GunSayisi.h"

QString BüyükHarfeÇevir(const QString& metin)
{
    QString büyük = metin;
    büyük.replace(QChar(0x0069), QChar(0x0130));
    büyük = büyük.toUpper();
    büyük.replace(QChar(0x0131), QChar(0x0049));
    return büyük;
}

TarihKararı TarihMetniniDenetle(const QString& metin)
{
    if (metin.isEmpty())
        return {TarihKararı::Tür::Dokunma, QString()};
    const auto tarih = BölgeselMetin::TarihOku(metin);
    if (!tarih)
        return {TarihKararı::Tür::Reddet, QString()};
    return {TarihKararı::Tür::Yaz, BölgeselMetin::TarihYaz(*tarih)};
}

QString GünSayısıMetni(const QString& başlama, const QString& bitiş)
{
    const auto gün = GünSayısınıHesapla(başlama, bitiş);
    return gün ? QString::number(*gün) : QStringLiteral("0");
}

EksikBilgi EksikBilgiyiBul(const ProjeMetinleri& metinler)
{
    // Exactly the empty text: a name of blanks is a name.
    if (metinler.ad.isEmpty())
        return EksikBilgi::ProjeAdı;
    if (metinler.başlama.isEmpty())
        return EksikBilgi::BaşlamaTarihi;
    if (metinler.bitiş.isEmpty())
        return EksikBilgi::BitişTarihi;

    bool sayı = false;
    double gün = metinler.günSayısı.toDouble(&sayı);
    // The change dialog starts from the main window's day count, which is empty when
    // that window could not work it out; the two dates then speak for themselves.
    if (!sayı)
        gün = GünSayısınıHesapla(metinler.başlama, metinler.bitiş).value_or(0);
    // Written so that "nan" fails as well.
    if (!(gün >= 1.0))
        return EksikBilgi::GünSayısı;
    return EksikBilgi::Yok;
}

std::optional<Proje> KaydedilecekProje(const ProjeMetinleri& metinler, QString* neden)
{
    const auto başlama = BölgeselMetin::TarihOku(metinler.başlama);
    const auto bitiş = BölgeselMetin::TarihOku(metinler.bitiş);
    if (başlama && bitiş)
        return Proje{metinler.ad, *başlama, *bitiş};
    if (neden)
        *neden = QStringLiteral("\"%1\" bir tarih olarak kaydedilemiyor.").arg(başlama ? metinler.bitiş : metinler.başlama);
    return std::nullopt;
}
