#include "store/ProjeDeposu.h"

#include "store/ArizaNoktasi.h"
#include "store/DosyaKimligi.h"
#include "store/Sema.h"
#include "store/SqlHatasi.h"
#include "store/YazmaIzni.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUrl>
#include <QHash>
#include <QVariant>
#include <initializer_list>
#include <mutex>
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
    if (auto planlanan = ArizaNoktasi::Sıradaki())
        return planlanan;
    if (!sorgu.prepare(sql))
        return SqlHatası(sorgu.lastError());
    for (const QVariant& değer : değerler)
        sorgu.addBindValue(değer);
    if (!sorgu.exec())
        return SqlHatası(sorgu.lastError());
    return {};
}

// A text as it is written: a null QString would bind as SQL NULL, and the empty
// text ("no predecessors") must stay the empty text. The values a change compares
// the row with go as they were read, NULL included.
QString Metin(const QString& metin)
{
    return metin.isNull() ? QStringLiteral("") : metin;
}

DepoHatası Çalıştır(const QSqlDatabase& vt, const QString& sql, std::initializer_list<QVariant> değerler = {})
{
    QSqlQuery sorgu(vt);
    return Çalıştır(sorgu, sql, değerler);
}

// The end of a loop over rows, or a single row not found: a step that failed part-way
// (a damaged page, an I/O error) also ends it, and must not pass for the end of the rows.
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
        if (!hata)
            hata = Çalıştır(m_vt, QStringLiteral("BEGIN IMMEDIATE"));
        m_açık = !hata;
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
        if (auto hata = Çalıştır(m_vt, QStringLiteral("COMMIT")))
            return hata;
        m_açık = false;
        return {};
    }

    const QSqlDatabase& vt() const { return m_vt; }

    DepoHatası hata;

private:
    QSqlDatabase m_vt;
    bool m_açık = false;
};

// Dates are stored as ISO texts, so a file reads the same under any regional settings.
DepoHatası TarihDeğeri(const QDate& tarih, QString& iso)
{
    if (!tarih.isValid())
        return DepoHatası::yeni(DepoHatası::Uyumsuz, QStringLiteral("Geçerli olmayan bir tarih kaydedilemez."));
    iso = tarih.toString(Qt::ISODate);
    return {};
}

Saklı<QDate> OkunanTarih(const QVariant& ham)
{
    const QDate tarih = QDate::fromString(ham.toString(), Qt::ISODate);
    return {ham, tarih.isValid() ? std::optional<QDate>(tarih) : std::nullopt};
}

// A whole number in the 32-bit range, stored as such or as its plain decimal text.
Saklı<qint32> OkunanSüre(const QVariant& ham)
{
    bool sayı = false;
    const qint32 süre = ham.toString().toInt(&sayı);
    return {ham, sayı ? std::optional<qint32>(süre) : std::nullopt};
}

KayıtlıFaaliyet OkunanFaaliyet(const QSqlQuery& sorgu)
{
    return {sorgu.value(0).toString(), sorgu.value(1).toString(), OkunanSüre(sorgu.value(2)),
            sorgu.value(3).toString()};
}

DepoHatası Bulunamadı(const QString& açıklama)
{
    return DepoHatası::yeni(DepoHatası::Bulunamadı, açıklama);
}

QString ProjeYok(const QString& ad)
{
    return QStringLiteral("\"%1\" projesi artık kayıtlı değil; başka bir yerde silinmiş ya da adı değiştirilmiş.")
        .arg(ad);
}

QString ProjeDeğişmiş(const QString& ad)
{
    return QStringLiteral("\"%1\" projesi siz görüntüledikten sonra başka bir yerde değiştirilmiş; "
                          "hiçbir şey kaydedilmedi. Projenin güncel hali gösteriliyor.").arg(ad);
}

QString FaaliyetlerDeğişmiş(const QString& proje)
{
    return QStringLiteral("\"%1\" projesinin faaliyetleri siz görüntüledikten sonra başka bir yerde "
                          "değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.").arg(proje);
}

// The one row a query looks for: true when found, false with no error when there is none.
DepoHatası SatırBul(QSqlQuery& sorgu, const QString& sql, std::initializer_list<QVariant> değerler, bool& bulundu)
{
    if (auto hata = Çalıştır(sorgu, sql, değerler))
        return hata;
    bulundu = sorgu.next();
    return bulundu ? DepoHatası{} : SatırlarınSonu(sorgu);
}

// A project row is written or deleted only as it was shown; otherwise this tells
// whether it is gone or was changed.
DepoHatası ProjeGösterildiğiGibi(const QSqlDatabase& vt, const KayıtlıProje& proje)
{
    QSqlQuery sorgu(vt);
    bool aynı = false;
    if (auto hata = SatırBul(sorgu,
            QStringLiteral("SELECT 1 FROM ProjeTablosu WHERE ProjeAdi = ? AND BaslamaTarihi IS ?"
                           " AND BitisTarihi IS ?"),
            {proje.ad, proje.başlama.ham, proje.bitiş.ham}, aynı))
        return hata;
    if (aynı)
        return {};
    QSqlQuery var(vt);
    bool bulundu = false;
    if (auto hata = SatırBul(var, QStringLiteral("SELECT 1 FROM ProjeTablosu WHERE ProjeAdi = ?"), {proje.ad},
                             bulundu))
        return hata;
    return Bulunamadı(bulundu ? ProjeDeğişmiş(proje.ad) : ProjeYok(proje.ad));
}

DepoHatası ProjeOlmalı(const QSqlDatabase& vt, const QString& ad)
{
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatırBul(sorgu, QStringLiteral("SELECT 1 FROM ProjeTablosu WHERE ProjeAdi = ?"), {ad}, bulundu))
        return hata;
    return bulundu ? DepoHatası{} : Bulunamadı(ProjeYok(ad));
}

// The same for one activity row, found by its project and code.
DepoHatası FaaliyetGösterildiğiGibi(const QSqlDatabase& vt, const QString& proje, const KayıtlıFaaliyet& f)
{
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatırBul(sorgu,
            QStringLiteral("SELECT Kodu, Adi, OngorulenSure, OncekiFaaliyet FROM FaaliyetlerTablosu"
                           " WHERE Projesi = ? AND Kodu = ?"), {proje, f.kodu}, bulundu))
        return hata;
    if (!bulundu)
        return Bulunamadı(QStringLiteral("\"%1\" projesinin %2 faaliyeti artık kayıtlı değil; başka bir yerde silinmiş.")
                              .arg(proje, f.kodu));
    const KayıtlıFaaliyet kayıtlı = OkunanFaaliyet(sorgu);
    if (kayıtlı.adı != f.adı || kayıtlı.süre.ham != f.süre.ham || kayıtlı.öncekiler != f.öncekiler)
        return Bulunamadı(QStringLiteral("\"%1\" projesinin %2 faaliyeti siz görüntüledikten sonra başka bir yerde "
                                         "değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.")
                              .arg(proje, f.kodu));
    return {};
}

// The file each checked connection works on, and the state our last command left it in.
// SQLite keeps its page cache while the file's change counter looks the same, so a
// file copied in place over ours would be read, and written, with our old pages.
struct AçıkDosya {
    QString yol;
    DosyaKimliği kimlik;
};
std::mutex açıkDosyalarKilidi;
QHash<QString, AçıkDosya> açıkDosyalar;

void KimliğiKaydet(const QString& bağlantı, const QString& yol)
{
    const auto kimlik = DosyaKimliğiniOku(yol);
    const std::lock_guard<std::mutex> kilitli(açıkDosyalarKilidi);
    if (kimlik)
        açıkDosyalar.insert(bağlantı, {yol, *kimlik});
}

// Every command of the store starts here: the path must still name the file that was
// opened, and when something changed it behind our back, the connection is opened
// afresh and checked as at start-up before anything is read or written. At its end
// the command notes the state it leaves the file in.
class Komut {
public:
    explicit Komut(const QString& bağlantı) : m_bağlantı(bağlantı)
    {
        {
            const std::lock_guard<std::mutex> kilitli(açıkDosyalarKilidi);
            const auto bulunan = açıkDosyalar.constFind(bağlantı);
            if (bulunan == açıkDosyalar.cend())
                return;
            m_dosya = *bulunan;
        }
        const auto şimdi = DosyaKimliğiniOku(m_dosya->yol);
        if (!şimdi || !şimdi->AynıDosya(m_dosya->kimlik)) {
            // Another file now stands at the path, or none: the file we opened is gone.
            hata = MotorHatası(TaşınmışDosya);
            m_dosya.reset();
            return;
        }
        if (şimdi->Değişmemiş(m_dosya->kimlik))
            return;
        QSqlDatabase vt = Bağlantı(bağlantı);
        vt.close();
        hata = vt.open() ? Şema::Denetle(vt) : SqlHatası(vt.lastError());
        if (hata)
            m_dosya.reset(); // no write goes to a file that failed the check
    }
    ~Komut()
    {
        if (m_dosya)
            KimliğiKaydet(m_bağlantı, m_dosya->yol);
    }
    Komut(const Komut&) = delete;
    Komut& operator=(const Komut&) = delete;

    DepoHatası hata;

private:
    QString m_bağlantı;
    std::optional<AçıkDosya> m_dosya;
};

// Runs the steps of one write inside one transaction; the first failure rolls all back.
template <typename Adımlar>
DepoHatası TekYazım(const QString& bağlantı, Adımlar&& adımlar)
{
    const Komut komut(bağlantı);
    if (komut.hata)
        return komut.hata;
    Yazım yazım(Bağlantı(bağlantı));
    if (yazım.hata)
        return yazım.hata;
    if (auto hata = std::forward<Adımlar>(adımlar)(yazım.vt()))
        return hata;
    return yazım.Bitir();
}

} // namespace

ProjeDeposu::ProjeDeposu(QString bağlantı) : m_bağlantı(std::move(bağlantı)) {}

DepoHatası ProjeDeposu::Aç(const QString& yol, const QString& bağlantı, Açılış açılış)
{
    DepoHatası hata;
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), bağlantı);
        // mode=rw opens an existing file for reading and writing and never creates one;
        // mode=ro, with the read-only flag besides, can neither create nor change it.
        const bool saltOkunur = açılış == Açılış::SaltOku;
        const bool denetlenir = açılış == Açılış::Denetle || saltOkunur;
        const QString kip = açılış == Açılış::Oluştur ? QStringLiteral("?mode=rwc")
                            : saltOkunur              ? QStringLiteral("?mode=ro")
                                                      : QStringLiteral("?mode=rw");
        vt.setDatabaseName(QUrl::fromLocalFile(yol).toString(QUrl::FullyEncoded) + kip);
        vt.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1%2")
                                 .arg(MeşgulBeklemeMs)
                                 .arg(saltOkunur ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
        if (!vt.open())
            hata = SqlHatası(vt.lastError());
        else if (denetlenir)
            hata = Şema::Denetle(vt);
        if (hata)
            vt.close();
    }
    if (hata)
        QSqlDatabase::removeDatabase(bağlantı);
    else if (açılış == Açılış::Denetle || açılış == Açılış::SaltOku)
        KimliğiKaydet(bağlantı, yol);
    return hata;
}

void ProjeDeposu::Kapat(const QString& bağlantı)
{
    {
        const std::lock_guard<std::mutex> kilitli(açıkDosyalarKilidi);
        açıkDosyalar.remove(bağlantı);
    }
    QSqlDatabase::database(bağlantı, false).close();
    QSqlDatabase::removeDatabase(bağlantı);
}

DepoHatası ProjeDeposu::ProjeleriOku(QStringList& adlar) const
{
    const Komut komut(m_bağlantı);
    if (komut.hata)
        return komut.hata;
    adlar.clear();
    QSqlQuery sorgu(Bağlantı(m_bağlantı));
    sorgu.setForwardOnly(true);
    if (auto hata = Çalıştır(sorgu, QStringLiteral("SELECT ProjeAdi FROM ProjeTablosu ORDER BY Kimlik"), {}))
        return hata;
    while (sorgu.next())
        adlar << sorgu.value(0).toString();
    return SatırlarınSonu(sorgu);
}

DepoHatası ProjeDeposu::ProjeOku(const QString& ad, KayıtlıProje& proje) const
{
    const Komut komut(m_bağlantı);
    if (komut.hata)
        return komut.hata;
    QSqlQuery sorgu(Bağlantı(m_bağlantı));
    bool bulundu = false;
    if (auto hata = SatırBul(sorgu,
            QStringLiteral("SELECT BaslamaTarihi, BitisTarihi FROM ProjeTablosu WHERE ProjeAdi = ?"), {ad}, bulundu))
        return hata;
    if (!bulundu)
        return Bulunamadı(QStringLiteral("\"%1\" projesi artık kayıtlı değil.").arg(ad));
    proje = {ad, OkunanTarih(sorgu.value(0)), OkunanTarih(sorgu.value(1))};
    return {};
}

DepoHatası ProjeDeposu::FaaliyetleriOku(const QString& proje, QVector<KayıtlıFaaliyet>& faaliyetler) const
{
    const Komut komut(m_bağlantı);
    if (komut.hata)
        return komut.hata;
    faaliyetler.clear();
    QSqlQuery sorgu(Bağlantı(m_bağlantı));
    sorgu.setForwardOnly(true);
    if (auto hata = Çalıştır(sorgu,
            QStringLiteral("SELECT Kodu, Adi, OngorulenSure, OncekiFaaliyet FROM FaaliyetlerTablosu"
                           " WHERE Projesi = ? ORDER BY Kimlik"), {proje}))
        return hata;
    while (sorgu.next())
        faaliyetler.append(OkunanFaaliyet(sorgu));
    return SatırlarınSonu(sorgu);
}

DepoHatası ProjeDeposu::KodlarıOku(const QString& proje, QStringList& kodlar) const
{
    const Komut komut(m_bağlantı);
    if (komut.hata)
        return komut.hata;
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
    const Komut komut(m_bağlantı);
    if (komut.hata)
        return komut.hata;
    QSqlQuery sorgu(Bağlantı(m_bağlantı));
    bool bulundu = false;
    if (auto hata = SatırBul(sorgu,
            QStringLiteral("SELECT MAX(Kodu) AS KoduBul FROM FaaliyetlerTablosu WHERE Projesi = ?"), {proje}, bulundu))
        return hata;
    // An aggregate always gives its one row; NULL when the project has no activity.
    koduBul = bulundu && !sorgu.value(0).isNull() ? sorgu.value(0).toString() : QString();
    return {};
}

DepoHatası ProjeDeposu::ProjeEkle(const Proje& proje) const
{
    QString başlama, bitiş;
    if (auto hata = TarihDeğeri(proje.başlama, başlama))
        return hata;
    if (auto hata = TarihDeğeri(proje.bitiş, bitiş))
        return hata;
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) {
        return Çalıştır(vt,
            QStringLiteral("INSERT INTO ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi) VALUES (?, ?, ?)"),
            {Metin(proje.ad), başlama, bitiş});
    });
}

DepoHatası ProjeDeposu::ProjeDeğiştir(const KayıtlıProje& eski, const Proje& yeni) const
{
    QString başlama, bitiş;
    if (auto hata = TarihDeğeri(yeni.başlama, başlama))
        return hata;
    if (auto hata = TarihDeğeri(yeni.bitiş, bitiş))
        return hata;
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) -> DepoHatası {
        if (auto hata = ProjeGösterildiğiGibi(vt, eski))
            return hata;
        if (auto hata = Çalıştır(vt,
                QStringLiteral("UPDATE ProjeTablosu SET ProjeAdi = ?, BaslamaTarihi = ?, BitisTarihi = ?"
                               " WHERE ProjeAdi = ?"),
                {Metin(yeni.ad), başlama, bitiş, eski.ad}))
            return hata;
        return Çalıştır(vt, QStringLiteral("UPDATE FaaliyetlerTablosu SET Projesi = ? WHERE Projesi = ?"),
                        {Metin(yeni.ad), eski.ad});
    });
}

DepoHatası ProjeDeposu::ProjeSil(const KayıtlıProje& proje) const
{
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) -> DepoHatası {
        if (auto hata = ProjeGösterildiğiGibi(vt, proje))
            return hata;
        if (auto hata = Çalıştır(vt, QStringLiteral("DELETE FROM ProjeTablosu WHERE ProjeAdi = ?"), {proje.ad}))
            return hata;
        return Çalıştır(vt, QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Projesi = ?"), {proje.ad});
    });
}

DepoHatası ProjeDeposu::FaaliyetEkle(const QString& proje, const Faaliyet& faaliyet) const
{
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) -> DepoHatası {
        if (auto hata = ProjeOlmalı(vt, proje))
            return hata;
        return Çalıştır(vt,
            QStringLiteral("INSERT INTO FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)"
                           " VALUES (?, ?, ?, ?, ?)"),
            {proje, Metin(faaliyet.kodu), Metin(faaliyet.adı), faaliyet.süre, Metin(faaliyet.öncekiler)});
    });
}

DepoHatası ProjeDeposu::FaaliyetDeğiştir(const QString& proje, const KayıtlıFaaliyet& eski,
                                         const Faaliyet& yeni) const
{
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) -> DepoHatası {
        if (auto hata = FaaliyetGösterildiğiGibi(vt, proje, eski))
            return hata;
        return Çalıştır(vt,
            QStringLiteral("UPDATE FaaliyetlerTablosu SET Adi = ?, OngorulenSure = ?, OncekiFaaliyet = ?"
                           " WHERE Projesi = ? AND Kodu = ?"),
            {Metin(yeni.adı), yeni.süre, Metin(yeni.öncekiler), proje, eski.kodu});
    });
}

DepoHatası ProjeDeposu::SonFaaliyetiSil(const QString& proje, const KayıtlıFaaliyet& son) const
{
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) -> DepoHatası {
        QSqlQuery sonKod(vt);
        bool bulundu = false;
        if (auto hata = SatırBul(sonKod, QStringLiteral("SELECT MAX(Kodu) FROM FaaliyetlerTablosu WHERE Projesi = ?"),
                                 {proje}, bulundu))
            return hata;
        // An activity added since the window showed the list would be deleted unseen.
        if (sonKod.value(0).toString() != son.kodu)
            return Bulunamadı(FaaliyetlerDeğişmiş(proje));
        if (auto hata = FaaliyetGösterildiğiGibi(vt, proje, son))
            return hata;
        return Çalıştır(vt, QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Projesi = ? AND Kodu = ?"),
                        {proje, son.kodu});
    });
}

DepoHatası ProjeDeposu::TümFaaliyetleriSil(const QString& proje, const QVector<KayıtlıFaaliyet>& gösterilenler) const
{
    return TekYazım(m_bağlantı, [&](const QSqlDatabase& vt) -> DepoHatası {
        QSqlQuery sayı(vt);
        bool bulundu = false;
        if (auto hata = SatırBul(sayı, QStringLiteral("SELECT count(*) FROM FaaliyetlerTablosu WHERE Projesi = ?"),
                                 {proje}, bulundu))
            return hata;
        if (sayı.value(0).toLongLong() != gösterilenler.size())
            return Bulunamadı(FaaliyetlerDeğişmiş(proje));
        for (const KayıtlıFaaliyet& f : gösterilenler) {
            if (auto hata = FaaliyetGösterildiğiGibi(vt, proje, f))
                return hata.numara == DepoHatası::Bulunamadı ? Bulunamadı(FaaliyetlerDeğişmiş(proje)) : hata;
        }
        return Çalıştır(vt, QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Projesi = ?"), {proje});
    });
}

QString VeritabanıYolu(const QString& klasör)
{
    const QString dosya = QStringLiteral("Proje.mdb");
    return klasör.endsWith(QLatin1Char('/')) ? klasör + dosya : klasör + QLatin1Char('/') + dosya;
}
