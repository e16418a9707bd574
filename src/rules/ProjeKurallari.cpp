#include "rules/ProjeKurallari.h"

#include "rules/BolgeselMetin.h"
#include "rules/GunSayisi.h"

QString BuyukHarfeCevir(const QString& metin)
{
    QString buyuk = metin;
    buyuk.replace(QChar(0x0069), QChar(0x0130));
    buyuk = buyuk.toUpper();
    buyuk.replace(QChar(0x0131), QChar(0x0049));
    return buyuk;
}

TarihKarari TarihMetniniDenetle(const QString& metin)
{
    if (metin.isEmpty())
        return {TarihKarari::Tur::Dokunma, QString()};
    const auto tarih = BolgeselMetin::TarihOku(metin);
    if (!tarih)
        return {TarihKarari::Tur::Reddet, QString()};
    return {TarihKarari::Tur::Yaz, BolgeselMetin::TarihYaz(*tarih)};
}

QString GunSayisiMetni(const QString& baslama, const QString& bitis)
{
    const auto gun = GunSayisiniHesapla(baslama, bitis);
    return gun ? QString::number(*gun) : QStringLiteral("0");
}

EksikBilgi EksikBilgiyiBul(const ProjeMetinleri& metinler)
{
    const QVector<EksikBilgi> eksikler = EksikBilgileriBul(metinler);
    return eksikler.isEmpty() ? EksikBilgi::Yok : eksikler.first();
}

QVector<EksikBilgi> EksikBilgileriBul(const ProjeMetinleri& metinler)
{
    QVector<EksikBilgi> eksikler;
    // Exactly the empty text: a name of blanks is a name.
    if (metinler.ad.isEmpty())
        eksikler << EksikBilgi::ProjeAdi;
    if (metinler.baslama.isEmpty())
        eksikler << EksikBilgi::BaslamaTarihi;
    if (metinler.bitis.isEmpty())
        eksikler << EksikBilgi::BitisTarihi;
    if (metinler.baslama.isEmpty() || metinler.bitis.isEmpty())
        return eksikler;

    bool sayi = false;
    double gun = metinler.gunSayisi.toDouble(&sayi);
    // The change dialog starts from the main window's day count, which is empty when
    // that window could not work it out; the two dates then speak for themselves.
    if (!sayi)
        gun = GunSayisiniHesapla(metinler.baslama, metinler.bitis).value_or(0);
    // Written so that "nan" fails as well.
    if (!(gun >= 1.0))
        eksikler << EksikBilgi::GunSayisi;
    return eksikler;
}

QString EksikBilgiMetni(EksikBilgi eksik)
{
    switch (eksik) {
    case EksikBilgi::Yok: break;
    case EksikBilgi::ProjeAdi: return QStringLiteral("PROJE ADI boş bırakılamaz!");
    case EksikBilgi::BaslamaTarihi: return QStringLiteral("BAŞLAMA TARİHİ boş bırakılmaz!");
    case EksikBilgi::BitisTarihi: return QStringLiteral("BİTİŞ TARİHİ boş bırakılmaz!");
    case EksikBilgi::GunSayisi: return QStringLiteral("İki tarih arasında en az BİR GÜN olmalıdır.");
    }
    return QString();
}

std::optional<Proje> KaydedilecekProje(const ProjeMetinleri& metinler, QString* neden)
{
    const auto baslama = BolgeselMetin::TarihOku(metinler.baslama);
    const auto bitis = BolgeselMetin::TarihOku(metinler.bitis);
    if (baslama && bitis)
        return Proje{metinler.ad, *baslama, *bitis};
    if (neden)
        *neden = QStringLiteral("\"%1\" bir tarih olarak kaydedilemiyor.").arg(baslama ? metinler.bitis : metinler.baslama);
    return std::nullopt;
}
