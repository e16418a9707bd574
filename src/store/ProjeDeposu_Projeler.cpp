// The projects: reading them, and adding, changing and deleting one.
#include "store/ProjeDeposu.h"

#include "store/ProjeDeposu_Ortak.h"

using namespace DepoOrtak;

namespace {

// Dates are stored as ISO texts, so a file reads the same under any regional settings.
DepoHatasi TarihDegeri(const QDate& tarih, QString& iso)
{
    if (!tarih.isValid())
        return DepoHatasi::yeni(DepoHatasi::Uyumsuz, QStringLiteral("Geçerli olmayan bir tarih kaydedilemez."));
    iso = tarih.toString(Qt::ISODate);
    return {};
}

Sakli<QDate> OkunanTarih(const QVariant& ham)
{
    const QDate tarih = QDate::fromString(ham.toString(), Qt::ISODate);
    return {ham, tarih.isValid() ? std::optional<QDate>(tarih) : std::nullopt};
}

QString ProjeYok(const QString& ad)
{
    return QStringLiteral("\"%1\" projesi artık kayıtlı değil; başka bir yerde silinmiş ya da adı değiştirilmiş.")
        .arg(ad);
}

QString ProjeDegismis(const QString& ad)
{
    return QStringLiteral("\"%1\" projesi siz görüntüledikten sonra başka bir yerde değiştirilmiş; "
                          "hiçbir şey kaydedilmedi. Projenin güncel hali gösteriliyor.").arg(ad);
}

// A project row is written or deleted only as it was shown; otherwise this tells
// whether it is gone or was changed.
DepoHatasi ProjeGosterildigiGibi(const QSqlDatabase& vt, const KayitliProje& proje)
{
    QSqlQuery sorgu(vt);
    bool ayni = false;
    if (auto hata = SatirBul(sorgu,
            QStringLiteral("SELECT 1 FROM ProjeTablosu WHERE ProjeAdi = ? AND BaslamaTarihi IS ?"
                           " AND BitisTarihi IS ?"),
            {proje.ad, proje.baslama.ham, proje.bitis.ham}, ayni))
        return hata;
    if (ayni)
        return {};
    QSqlQuery var(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(var, QStringLiteral("SELECT 1 FROM ProjeTablosu WHERE ProjeAdi = ?"), {proje.ad},
                             bulundu))
        return hata;
    return Bulunamadi(bulundu ? ProjeDegismis(proje.ad) : ProjeYok(proje.ad));
}

} // namespace

DepoHatasi DepoOrtak::ProjeOlmali(const QSqlDatabase& vt, const QString& ad)
{
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu, QStringLiteral("SELECT 1 FROM ProjeTablosu WHERE ProjeAdi = ?"), {ad}, bulundu))
        return hata;
    return bulundu ? DepoHatasi{} : Bulunamadi(ProjeYok(ad));
}

DepoHatasi ProjeDeposu::ProjeleriOku(QStringList& adlar) const
{
    return TekOkuma(m_baglanti, [&](const QSqlDatabase& vt) {
        return MetinleriOku(vt, QStringLiteral("SELECT ProjeAdi FROM ProjeTablosu ORDER BY Kimlik"), {}, adlar);
    });
}

DepoHatasi ProjeDeposu::ProjeOku(const QString& ad, KayitliProje& proje) const
{
    return TekOkuma(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        QSqlQuery sorgu(vt);
        bool bulundu = false;
        if (auto hata = SatirBul(sorgu,
                QStringLiteral("SELECT BaslamaTarihi, BitisTarihi FROM ProjeTablosu WHERE ProjeAdi = ?"), {ad}, bulundu))
            return hata;
        if (!bulundu)
            return Bulunamadi(QStringLiteral("\"%1\" projesi artık kayıtlı değil.").arg(ad));
        proje = {ad, OkunanTarih(sorgu.value(0)), OkunanTarih(sorgu.value(1))};
        return {};
    });
}

DepoHatasi ProjeDeposu::ProjeEkle(const Proje& proje) const
{
    QString baslama, bitis;
    if (auto hata = TarihDegeri(proje.baslama, baslama))
        return hata;
    if (auto hata = TarihDegeri(proje.bitis, bitis))
        return hata;
    return KayitliYazim(m_baglanti, {AdimTuru::ProjeEkle, QString(), Metin(proje.ad), QString()},
                        [&](const QSqlDatabase& vt) {
        return Calistir(vt,
            QStringLiteral("INSERT INTO ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi) VALUES (?, ?, ?)"),
            {Metin(proje.ad), baslama, bitis});
    });
}

DepoHatasi ProjeDeposu::ProjeDegistir(const KayitliProje& eski, const Proje& yeni) const
{
    QString baslama, bitis;
    if (auto hata = TarihDegeri(yeni.baslama, baslama))
        return hata;
    if (auto hata = TarihDegeri(yeni.bitis, bitis))
        return hata;
    return KayitliYazim(m_baglanti, {AdimTuru::ProjeDegistir, eski.ad, Metin(yeni.ad), QString()},
                        [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (auto hata = ProjeGosterildigiGibi(vt, eski))
            return hata;
        if (auto hata = Calistir(vt,
                QStringLiteral("UPDATE ProjeTablosu SET ProjeAdi = ?, BaslamaTarihi = ?, BitisTarihi = ?"
                               " WHERE ProjeAdi = ?"),
                {Metin(yeni.ad), baslama, bitis, eski.ad}))
            return hata;
        return Calistir(vt, QStringLiteral("UPDATE FaaliyetlerTablosu SET Projesi = ? WHERE Projesi = ?"),
                        {Metin(yeni.ad), eski.ad});
    });
}

DepoHatasi ProjeDeposu::ProjeSil(const KayitliProje& proje) const
{
    return KayitliYazim(m_baglanti, {AdimTuru::ProjeSil, proje.ad, QString(), QString()},
                        [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (auto hata = ProjeGosterildigiGibi(vt, proje))
            return hata;
        if (auto hata = Calistir(vt, QStringLiteral("DELETE FROM ProjeTablosu WHERE ProjeAdi = ?"), {proje.ad}))
            return hata;
        return Calistir(vt, QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Projesi = ?"), {proje.ad});
    });
}
