#include "store/ProjeDeposu.h"

#include "store/BolgeselMetin.h"
#include "store/Sema.h"
#include "store/SqlHatasi.h"
#include "store/YazmaIzni.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <initializer_list>
#include <limits>
#include <utility>

namespace {

// How long a statement waits for another program's lock before it is refused.
constexpr int MeşgulBeklemeMs = 2000;

QSqlDatabase Bağlantı(const QString& ad)
{
    return QSqlDatabase::database(ad, false);
}

// Prepares and runs one statement with its values bound in order.
DepoHatası Çalıştır(QSqlQuery& sorgu, const QString& sql, std::initializer_list<QVariant> değerler)
{
    if (!sorgu.prepare(sql))
        return SqlHatası(sorgu.lastError());
    for (const QVariant& değer : değerler) {
        // A null QString binds as SQL NULL; the empty text ("no predecessors") must stay the empty text.
        const bool boşMetin = değer.metaType().id() == QMetaType::QString && değer.toString().isNull();
        sorgu.addBindValue(boşMetin ? QVariant(QStringLiteral("")) : değer);
    }
    if (!sorgu.exec())
        return SqlHatası(sorgu.lastError());
    return {};
}

// The end of a loop over rows: a step that failed part-way (a damaged page, an I/O
// error) also ends the loop, and must not pass for the end of the rows.
DepoHatası SatırlarınSonu(const QSqlQuery& sorgu)
{
    return sorgu.lastError().isValid() ? SqlHatası(sorgu.lastError()) : DepoHatası{};
}

// One write transaction. It takes the write lock at once, so a busy file is refused
// before anything is changed; unless Bitir succeeds, everything is rolled back.
class Yazım {
public:
    explicit Yazım(const QSqlDatabase& vt) : m_vt(vt)
    {
        hata = YazmaİzniniDenetle(m_vt);
        if (hata)
            return;
        QSqlQuery başla(m_vt);
        if (başla.exec(QStringLiteral("BEGIN IMMEDIATE")))
            m_açık = true;
        else
            hata = SqlHatası(başla.lastError());
    }
    ~Yazım()
    {
        if (m_açık)
            QSqlQuery(m_vt).exec(QStringLiteral("ROLLBACK"));
    }
    Yazım(const Yazım&) = delete;
    Yazım& operator=(const Yazım&) = delete;

    DepoHatası Bitir()
    {
        QSqlQuery bitir(m_vt);
        if (!bitir.exec(QStringLiteral("COMMIT")))
            return SqlHatası(bitir.lastError());
        m_açık = false;
        return {};
    }

    const QSqlDatabase& vt() const { return m_vt; }

    DepoHatası hata;

private:
    QSqlDatabase m_vt;
    bool m_açık = false;
};

DepoHatası TarihDeğeri(const QString& metin, QString& iso)
{
    const auto tarih = BölgeselMetin::TarihOku(metin);
    if (!tarih)
        return DepoHatası::yeni(DepoHatası::Uyumsuz,
            QStringLiteral("\"%1\" bir tarih olarak kaydedilemiyor.").arg(metin));
    iso = tarih->toString(Qt::ISODate);
    return {};
}

QString TarihMetni(const QVariant& iso)
{
    const QDate tarih = QDate::fromString(iso.toString(), Qt::ISODate);
    return tarih.isValid() ? BölgeselMetin::TarihYaz(tarih) : iso.toString();
}

DepoHatası SüreDeğeri(const QString& metin, qint32& süre)
{
    const auto sayı = BölgeselMetin::TamSayıOku(metin);
    if (!sayı) {
        const QLocale yerel;
        return DepoHatası::yeni(DepoHatası::Uyumsuz,
            QStringLiteral("Öngörülen süre \"%1\" kaydedilemiyor: %2 ile %3 arasında bir tam sayı olmalıdır.")
                .arg(metin, yerel.toString(std::numeric_limits<qint32>::min()),
                     yerel.toString(std::numeric_limits<qint32>::max())));
    }
    süre = *sayı;
    return {};
}

// Fails with "not found" when the query of a row that must be there finds nothing.
DepoHatası VarOlmalı(const QSqlDatabase& vt, const QString& sql, std::initializer_list<QVariant> değerler,
                     const QString& yoksa)
{
    QSqlQuery sorgu(vt);
    if (auto hata = Çalıştır(sorgu, sql, değerler))
        return hata;
    if (!sorgu.next())
        return DepoHatası::yeni(DepoHatası::Bulunamadı, yoksa);
    return {};
}

DepoHatası ProjeOlmalı(const QSqlDatabase& vt, const QString& ad)
{
    return VarOlmalı(vt, QStringLiteral("SELECT 1 FROM ProjeTablosu WHERE ProjeAdi = ?"), {ad},
                     QStringLiteral("\"%1\" projesi artık kayıtlı değil; başka bir yerde silinmiş ya da adı değiştirilmiş.")
                         .arg(ad));
}

// Runs the steps of one write inside one transaction; the first failure rolls all back.
template <typename Adımlar>
DepoHatası TekYazım(const QString& bağlantı, Adımlar&& adımlar)
{
    Yazım yazım(Bağlantı(bağlantı));
    if (yazım.hata)
        return yazım.hata;
    if (auto hata = std::forward<Adımlar>(adımlar)(yazım.vt()))
        return hata;
    return yazım.Bitir();
}

} // namespace

ProjeDeposu::ProjeDeposu(QString bağlantı) : m_bağlantı(std::move(bağlantı)) {}

DepoHatası ProjeDeposu::Aç(const QString& yol, const QString& bağlantı)
{
    DepoHatası hata;
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), bağlantı);
        // mode=rw: open an existing file for reading and writing, never create one.
        vt.setDatabaseName(QUrl::fromLocalFile(yol).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
        vt.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(MeşgulBeklemeMs));
        if (!vt.open())
            hata = SqlHatası(vt.lastError());
        else
            hata = Şema::Denetle(vt);
        if (hata)
            vt.close();
    }
    if (hata)
        QSqlDatabase::removeDatabase(bağlantı);
    return hata;
}

void ProjeDeposu::Kapat(const QString& bağlantı)
{
    QSqlDatabase::database(bağlantı, false).close();
    QSqlDatabase::removeDatabase(bağlantı);
}

DepoHatası ProjeDeposu::ProjeleriOku(QStringList& adlar) const
{
    adlar.clear();
    QSqlQuery sorgu(Bağlantı(m_bağlantı));
    sorgu.setForwardOnly(true);
    if (auto hata = Çalıştır(sorgu, QStringLiteral("SELECT ProjeAdi FROM ProjeTablosu ORDER BY Kimlik"), {}))
        return hata;
    while (sorgu.next())
        adlar << sorgu.value(0).toString();
    return SatırlarınSonu(sorgu);
}

DepoHatası ProjeDeposu::ProjeOku(const QString& ad, ProjeBilgisi& bilgi) const
{
    QSqlQuery sorgu(Bağlantı(m_bağlantı));
    if (auto hata = Çalıştır(sorgu,
            QStringLiteral("SELECT BaslamaTarihi, BitisTarihi FROM ProjeTablosu WHERE ProjeAdi = ?"), {ad}))
        return hata;
    if (!sorgu.next())
        return DepoHatası::yeni(DepoHatası::Bulunamadı,
            QStringLiteral("\"%1\" projesi artık kayıtlı değil.").arg(ad));
    bilgi.başlamaTarihi = TarihMetni(sorgu.value(0));
    bilgi.bitişTarihi = TarihMetni(sorgu.value(1));
    return {};
}

DepoHatası ProjeDeposu::FaaliyetleriOku(const QString& proje, QVector<Faaliyet>& faaliyetler) const
{
    faaliyetler.clear();
    QSqlQuery sorgu(Bağlantı(m_bağlantı));
    sorgu.setForwardOnly(true);
    if (auto hata = Çalıştır(sorgu,
            QStringLiteral("SELECT Kodu, Adi, OngorulenSure, OncekiFaaliyet FROM FaaliyetlerTablosu"
                           " WHERE Projesi = ? ORDER BY Kimlik"), {proje}))
        return hata;
    while (sorgu.next()) {
        faaliyetler.append({sorgu.value(0).toString(), sorgu.value(1).toString(),
                            sorgu.value(2).toString(), sorgu.value(3).toString()});
    }
    return SatırlarınSonu(sorgu);
}

DepoHatası ProjeDeposu::KodlarıOku(const QString& proje, QStringList& kodlar) const
{
    kodlar.clear();
    QSqlQuery sorgu(Bağlantı(m_bağlantı));
    sorgu.setForwardOnly(true);
    if (auto hata = Çalıştır(sorgu,
            QStringLiteral("SELECT Kodu FROM FaaliyetlerTablosu WHERE Projesi = ? ORDER BY Kimlik"), {proje}))
        return hata;
    while (sorgu.next())
        kodlar << sorgu.value(0).toString();
    return SatırlarınSonu(sorgu);
}

DepoHatası ProjeDeposu::EnBüyükKodu(const QString& proje, QString& koduBul) const
{
    QSqlQuery sorgu(Bağlantı(m_bağlantı));
    if (auto hata = Çalıştır(sorgu,
            QStringLiteral("SELECT MAX(Kodu) AS KoduBul FROM FaaliyetlerTablosu WHERE Projesi = ?"), {proje}))
        return hata;
    koduBul = sorgu.next() && !sorgu.value(0).isNull() ? sorgu.value(0).toString() : QString();
    return {};
}

DepoHatası ProjeDeposu::ProjeEkle(const QString& ad, const QString& başlama, const QString& bitiş) const
{
    QString başlamaIso, bitişIso;
    if (auto hata = TarihDeğeri(başlama, başlamaIso))
        return hata;
    if (auto hata = TarihDeğeri(bitiş, bitişIso))
        return hata;
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) {
        QSqlQuery sorgu(vt);
        return Çalıştır(sorgu,
            QStringLiteral("INSERT INTO ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi) VALUES (?, ?, ?)"),
            {ad, başlamaIso, bitişIso});
    });
}

DepoHatası ProjeDeposu::ProjeDeğiştir(const QString& eskiAd, const QString& yeniAd,
                                      const QString& başlama, const QString& bitiş) const
{
    QString başlamaIso, bitişIso;
    if (auto hata = TarihDeğeri(başlama, başlamaIso))
        return hata;
    if (auto hata = TarihDeğeri(bitiş, bitişIso))
        return hata;
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) -> DepoHatası {
        if (auto hata = ProjeOlmalı(vt, eskiAd))
            return hata;
        QSqlQuery proje(vt);
        if (auto hata = Çalıştır(proje,
                QStringLiteral("UPDATE ProjeTablosu SET ProjeAdi = ?, BaslamaTarihi = ?, BitisTarihi = ?"
                               " WHERE ProjeAdi = ?"),
                {yeniAd, başlamaIso, bitişIso, eskiAd}))
            return hata;
        QSqlQuery faaliyetler(vt);
        return Çalıştır(faaliyetler, QStringLiteral("UPDATE FaaliyetlerTablosu SET Projesi = ? WHERE Projesi = ?"),
                        {yeniAd, eskiAd});
    });
}

DepoHatası ProjeDeposu::ProjeSil(const QString& ad) const
{
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) -> DepoHatası {
        if (auto hata = ProjeOlmalı(vt, ad))
            return hata;
        QSqlQuery proje(vt);
        if (auto hata = Çalıştır(proje, QStringLiteral("DELETE FROM ProjeTablosu WHERE ProjeAdi = ?"), {ad}))
            return hata;
        QSqlQuery faaliyetler(vt);
        return Çalıştır(faaliyetler, QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Projesi = ?"), {ad});
    });
}

DepoHatası ProjeDeposu::FaaliyetEkle(const QString& proje, const Faaliyet& faaliyet) const
{
    qint32 süre = 0;
    if (auto hata = SüreDeğeri(faaliyet.süre, süre))
        return hata;
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) -> DepoHatası {
        if (auto hata = ProjeOlmalı(vt, proje))
            return hata;
        QSqlQuery sorgu(vt);
        return Çalıştır(sorgu,
            QStringLiteral("INSERT INTO FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)"
                           " VALUES (?, ?, ?, ?, ?)"),
            {proje, faaliyet.kodu, faaliyet.adı, süre, faaliyet.öncekiler});
    });
}

DepoHatası ProjeDeposu::FaaliyetDeğiştir(const QString& proje, const Faaliyet& faaliyet) const
{
    qint32 süre = 0;
    if (auto hata = SüreDeğeri(faaliyet.süre, süre))
        return hata;
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) -> DepoHatası {
        if (auto hata = VarOlmalı(vt,
                QStringLiteral("SELECT 1 FROM FaaliyetlerTablosu WHERE Projesi = ? AND Kodu = ?"),
                {proje, faaliyet.kodu},
                QStringLiteral("\"%1\" projesinin %2 faaliyeti artık kayıtlı değil; başka bir yerde silinmiş.")
                    .arg(proje, faaliyet.kodu)))
            return hata;
        QSqlQuery sorgu(vt);
        return Çalıştır(sorgu,
            QStringLiteral("UPDATE FaaliyetlerTablosu SET Adi = ?, OngorulenSure = ?, OncekiFaaliyet = ?"
                           " WHERE Projesi = ? AND Kodu = ?"),
            {faaliyet.adı, süre, faaliyet.öncekiler, proje, faaliyet.kodu});
    });
}

DepoHatası ProjeDeposu::SonFaaliyetiSil(const QString& proje) const
{
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) {
        QSqlQuery sorgu(vt);
        return Çalıştır(sorgu,
            QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Kimlik = (SELECT Kimlik FROM FaaliyetlerTablosu"
                           " WHERE Projesi = ? ORDER BY Kodu DESC LIMIT 1)"),
            {proje});
    });
}

DepoHatası ProjeDeposu::TümFaaliyetleriSil(const QString& proje) const
{
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) {
        QSqlQuery sorgu(vt);
        return Çalıştır(sorgu, QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Projesi = ?"), {proje});
    });
}

QString VeritabanıYolu(const QString& klasör)
{
    const QString dosya = QStringLiteral("Proje.mdb");
    return klasör.endsWith(QLatin1Char('/')) ? klasör + dosya : klasör + QLatin1Char('/') + dosya;
}
