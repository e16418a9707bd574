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
            QStringLiteral("SELECT 1 FROM ProjeTablosu WHERE ProjeAdi = ? AND BaslamaTarihi IS NOT DISTINCT FROM ?"
                           " AND BitisTarihi IS NOT DISTINCT FROM ?"),
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

// The projects' rows, each with its activities and their links, estimates, distribution and
// calendar, progress and baselines as given; `tarihler` holds each project's start and end as stored.
DepoHatasi ProjeleriYaz(const QSqlDatabase& vt, const QVector<TamProje>& projeler, const QStringList& tarihler)
{
    for (qsizetype i = 0; i < projeler.size(); ++i) {
        const TamProje& p = projeler.at(i);
        if (auto hata = ProjeSatiriEkle(vt, p.proje.ad, tarihler.at(2 * i), tarihler.at(2 * i + 1)))
            return hata;
        // Rows another program left under this name would become the new project's.
        QSqlQuery artik(vt);
        QStringList kayitlar{QStringLiteral("EXISTS (SELECT 1 FROM FaaliyetlerTablosu WHERE Projesi = n.ad)")};
        for (const char* tablo : ProjeninDigerTablolari)
            kayitlar << QStringLiteral("EXISTS (SELECT 1 FROM %1 WHERE Projesi = n.ad)").arg(QLatin1String(tablo));
        bool bulundu = false;
        if (auto hata = SatirBul(artik, "SELECT 1 FROM (SELECT ? AS ad) n WHERE " + kayitlar.join(QLatin1String(" OR ")),
                                 {p.proje.ad}, bulundu))
            return hata;
        if (bulundu)
            return DepoHatasi::yeni(DepoHatasi::Kisit,
                QStringLiteral("Dosyada \"%1\" adına kayıtlı, projesi olmayan faaliyetler ya da ayarlar var; "
                               "bu adla içe aktarılamaz. Başka bir ad girin.").arg(p.proje.ad));
        for (const Faaliyet& f : p.faaliyetler) {
            if (auto hata = FaaliyetSatiriEkle(vt, p.proje.ad, f))
                return hata;
            if (auto hata = BagSatirlariEkle(vt, p.proje.ad, f))
                return hata;
        }
        // Ordered by code, so that the file's rows do not follow the hash's order.
        QStringList kodlar = p.tahminler.keys();
        kodlar.sort();
        for (const QString& kodu : std::as_const(kodlar)) {
            const UcNoktaTahmini t = p.tahminler.value(kodu);
            if (auto hata = Calistir(vt, QStringLiteral("INSERT INTO TahminlerTablosu (Projesi, Kodu, Iyimser, Olasi,"
                                                        " Kotumser) VALUES (?, ?, ?, ?, ?)"),
                                     {p.proje.ad, Metin(kodu), t.iyimser, t.olasi, t.kotumser}))
                return hata;
        }
        // A project without a row draws from beta-PERT.
        if (p.dagilim == Dagilim::Ucgen) {
            if (auto hata = Calistir(vt, QStringLiteral("INSERT INTO DagilimTablosu (Projesi, Dagilim)"
                                                        " VALUES (?, 'ucgen')"), {p.proje.ad}))
                return hata;
        }
        if (auto hata = TakvimYaz(vt, p.proje.ad, ProjeTakvimi(), p.takvim))
            return hata;
        if (auto hata = IlerlemeYaz(vt, p.proje.ad, p.ilerleme, p.tabanlar))
            return hata;
    }
    return {};
}

// Each project's start and end as stored, two a project.
DepoHatasi Tarihler(const QVector<TamProje>& projeler, QStringList& tarihler)
{
    for (const TamProje& p : projeler) {
        for (const QDate& tarih : {p.proje.baslama, p.proje.bitis}) {
            tarihler.append(QString());
            if (auto hata = TarihDegeri(tarih, tarihler.last()))
                return hata;
        }
    }
    return {};
}

} // namespace

DepoHatasi DepoOrtak::ProjeSatiriEkle(const QSqlDatabase& vt, const QString& ad, const QString& baslama,
                                      const QString& bitis)
{
    return Calistir(vt, QStringLiteral("INSERT INTO ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi) VALUES (?, ?, ?)"),
                    {Metin(ad), baslama, bitis});
}

DepoHatasi DepoOrtak::ProjeOlmali(const QSqlDatabase& vt, const QString& ad)
{
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu, QStringLiteral("SELECT 1 FROM ProjeTablosu WHERE ProjeAdi = ?"), {ad}, bulundu))
        return hata;
    return bulundu ? DepoHatasi{} : Bulunamadi(ProjeYok(ad));
}

DepoHatasi DepoOrtak::OkunacakProjeYok(const QString& ad)
{
    return Bulunamadi(QStringLiteral("\"%1\" projesi artık kayıtlı değil.").arg(ad));
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
            return OkunacakProjeYok(ad);
        proje = {ad, OkunanTarih(sorgu.value(0)), OkunanTarih(sorgu.value(1)), {}};
        if (auto hata = TakvimOku(vt, ad, proje.takvim))
            return hata;
        return IlerlemeOku(vt, ad, proje.ilerleme, proje.tabanlar);
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
                        [&](const QSqlDatabase& vt) { return ProjeSatiriEkle(vt, proje.ad, baslama, bitis); });
}

DepoHatasi ProjeDeposu::IceAktar(const QVector<TamProje>& projeler) const
{
    if (projeler.isEmpty())
        return {};
    QStringList tarihler;
    if (auto hata = Tarihler(projeler, tarihler))
        return hata;
    const QString kac = projeler.size() > 1 ? QString::number(projeler.size()) : QString();
    return KayitliYazim(m_baglanti, {AdimTuru::IceAktar, QString(), Metin(projeler.first().proje.ad), kac},
                        [&](const QSqlDatabase& vt) { return ProjeleriYaz(vt, projeler, tarihler); });
}

DepoHatasi ProjeDeposu::IlkIcerikYaz(const QVector<TamProje>& projeler) const
{
    QStringList tarihler;
    if (auto hata = Tarihler(projeler, tarihler))
        return hata;
    return TekYazim(m_baglanti, [&](const QSqlDatabase& vt) { return ProjeleriYaz(vt, projeler, tarihler); });
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
        if (auto hata = Calistir(vt, QStringLiteral("UPDATE FaaliyetlerTablosu SET Projesi = ? WHERE Projesi = ?"),
                                 {Metin(yeni.ad), eski.ad}))
            return hata;
        for (const char* tablo : ProjeninDigerTablolari) {
            if (auto hata = Calistir(vt, QStringLiteral("UPDATE %1 SET Projesi = ? WHERE Projesi = ?")
                                             .arg(QLatin1String(tablo)), {Metin(yeni.ad), eski.ad}))
                return hata;
        }
        return {};
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
        if (auto hata = Calistir(vt, QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Projesi = ?"), {proje.ad}))
            return hata;
        for (const char* tablo : ProjeninDigerTablolari) {
            if (auto hata = Calistir(vt, QStringLiteral("DELETE FROM %1 WHERE Projesi = ?").arg(QLatin1String(tablo)),
                                     {proje.ad}))
                return hata;
        }
        return {};
    });
}
