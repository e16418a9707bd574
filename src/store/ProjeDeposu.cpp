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
constexpr int MesgulBeklemeMs = 2000;

QSqlDatabase Baglanti(const QString& ad)
{
    return QSqlDatabase::database(ad, false);
}

// Prepares and runs one statement with its values bound in order.
DepoHatasi Calistir(QSqlQuery& sorgu, const QString& sql, std::initializer_list<QVariant> degerler)
{
    if (auto planlanan = ArizaNoktasi::Siradaki())
        return planlanan;
    if (!sorgu.prepare(sql))
        return SqlHatasi(sorgu.lastError());
    for (const QVariant& deger : degerler)
        sorgu.addBindValue(deger);
    if (!sorgu.exec())
        return SqlHatasi(sorgu.lastError());
    return {};
}

// A text as it is written: a null QString would bind as SQL NULL, and the empty
// text ("no predecessors") must stay the empty text. The values a change compares
// the row with go as they were read, NULL included.
QString Metin(const QString& metin)
{
    return metin.isNull() ? QStringLiteral("") : metin;
}

DepoHatasi Calistir(const QSqlDatabase& vt, const QString& sql, std::initializer_list<QVariant> degerler = {})
{
    QSqlQuery sorgu(vt);
    return Calistir(sorgu, sql, degerler);
}

// The end of a loop over rows, or a single row not found: a step that failed part-way
// (a damaged page, an I/O error) also ends it, and must not pass for the end of the rows.
DepoHatasi SatirlarinSonu(const QSqlQuery& sorgu)
{
    return sorgu.lastError().isValid() ? SqlHatasi(sorgu.lastError()) : DepoHatasi{};
}

// One write transaction. It takes the write lock at once, so a busy file is refused
// before anything is changed; unless Bitir succeeds, everything is rolled back.
class Yazim {
public:
    explicit Yazim(const QSqlDatabase& vt) : m_vt(vt)
    {
        hata = YazmaIzniniDenetle(m_vt);
        if (!hata)
            hata = Calistir(m_vt, QStringLiteral("BEGIN IMMEDIATE"));
        m_acik = !hata;
    }
    ~Yazim()
    {
        if (m_acik)
            QSqlQuery(m_vt).exec(QStringLiteral("ROLLBACK"));
    }
    Yazim(const Yazim&) = delete;
    Yazim& operator=(const Yazim&) = delete;

    DepoHatasi Bitir()
    {
        if (auto hata = Calistir(m_vt, QStringLiteral("COMMIT")))
            return hata;
        m_acik = false;
        return {};
    }

    const QSqlDatabase& vt() const { return m_vt; }

    DepoHatasi hata;

private:
    QSqlDatabase m_vt;
    bool m_acik = false;
};

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

// A whole number in the 32-bit range, stored as such or as its plain decimal text.
Sakli<qint32> OkunanSure(const QVariant& ham)
{
    bool sayi = false;
    const qint32 sure = ham.toString().toInt(&sayi);
    return {ham, sayi ? std::optional<qint32>(sure) : std::nullopt};
}

KayitliFaaliyet OkunanFaaliyet(const QSqlQuery& sorgu)
{
    return {sorgu.value(0).toString(), sorgu.value(1).toString(), OkunanSure(sorgu.value(2)),
            sorgu.value(3).toString()};
}

DepoHatasi Bulunamadi(const QString& aciklama)
{
    return DepoHatasi::yeni(DepoHatasi::Bulunamadi, aciklama);
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

QString FaaliyetlerDegismis(const QString& proje)
{
    return QStringLiteral("\"%1\" projesinin faaliyetleri siz görüntüledikten sonra başka bir yerde "
                          "değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.").arg(proje);
}

// The one row a query looks for: true when found, false with no error when there is none.
DepoHatasi SatirBul(QSqlQuery& sorgu, const QString& sql, std::initializer_list<QVariant> degerler, bool& bulundu)
{
    if (auto hata = Calistir(sorgu, sql, degerler))
        return hata;
    bulundu = sorgu.next();
    return bulundu ? DepoHatasi{} : SatirlarinSonu(sorgu);
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

DepoHatasi ProjeOlmali(const QSqlDatabase& vt, const QString& ad)
{
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu, QStringLiteral("SELECT 1 FROM ProjeTablosu WHERE ProjeAdi = ?"), {ad}, bulundu))
        return hata;
    return bulundu ? DepoHatasi{} : Bulunamadi(ProjeYok(ad));
}

// The same for one activity row, found by its project and code.
DepoHatasi FaaliyetGosterildigiGibi(const QSqlDatabase& vt, const QString& proje, const KayitliFaaliyet& f)
{
    QSqlQuery sorgu(vt);
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu,
            QStringLiteral("SELECT Kodu, Adi, OngorulenSure, OncekiFaaliyet FROM FaaliyetlerTablosu"
                           " WHERE Projesi = ? AND Kodu = ?"), {proje, f.kodu}, bulundu))
        return hata;
    if (!bulundu)
        return Bulunamadi(QStringLiteral("\"%1\" projesinin %2 faaliyeti artık kayıtlı değil; başka bir yerde silinmiş.")
                              .arg(proje, f.kodu));
    const KayitliFaaliyet kayitli = OkunanFaaliyet(sorgu);
    if (kayitli.adi != f.adi || kayitli.sure.ham != f.sure.ham || kayitli.oncekiler != f.oncekiler)
        return Bulunamadi(QStringLiteral("\"%1\" projesinin %2 faaliyeti siz görüntüledikten sonra başka bir yerde "
                                         "değiştirilmiş; hiçbir şey kaydedilmedi. Güncel hali gösteriliyor.")
                              .arg(proje, f.kodu));
    return {};
}

// The file each checked connection works on, and the state our last command left it in.
// SQLite keeps its page cache while the file's change counter looks the same, so a
// file copied in place over ours would be read, and written, with our old pages.
struct AcikDosya {
    QString yol;
    DosyaKimligi kimlik;
};
std::mutex acikDosyalarKilidi;
QHash<QString, AcikDosya> acikDosyalar;

void KimligiKaydet(const QString& baglanti, const QString& yol)
{
    const auto kimlik = DosyaKimliginiOku(yol);
    const std::lock_guard<std::mutex> kilitli(acikDosyalarKilidi);
    if (kimlik)
        acikDosyalar.insert(baglanti, {yol, *kimlik});
}

// Every command of the store starts here: the path must still name the file that was
// opened, and when something changed it behind our back, the connection is opened
// afresh and checked as at start-up before anything is read or written. At its end
// the command notes the state it leaves the file in.
class Komut {
public:
    explicit Komut(const QString& baglanti) : m_baglanti(baglanti)
    {
        {
            const std::lock_guard<std::mutex> kilitli(acikDosyalarKilidi);
            const auto bulunan = acikDosyalar.constFind(baglanti);
            if (bulunan == acikDosyalar.cend())
                return;
            m_dosya = *bulunan;
        }
        const auto simdi = DosyaKimliginiOku(m_dosya->yol);
        if (!simdi || !simdi->AyniDosya(m_dosya->kimlik)) {
            // Another file now stands at the path, or none: the file we opened is gone.
            hata = MotorHatasi(TasinmisDosya);
            m_dosya.reset();
            return;
        }
        if (simdi->Degismemis(m_dosya->kimlik))
            return;
        QSqlDatabase vt = Baglanti(baglanti);
        vt.close();
        hata = vt.open() ? Sema::Denetle(vt) : SqlHatasi(vt.lastError());
        if (hata)
            m_dosya.reset(); // no write goes to a file that failed the check
    }
    ~Komut()
    {
        if (m_dosya)
            KimligiKaydet(m_baglanti, m_dosya->yol);
    }
    Komut(const Komut&) = delete;
    Komut& operator=(const Komut&) = delete;

    DepoHatasi hata;

private:
    QString m_baglanti;
    std::optional<AcikDosya> m_dosya;
};

// Runs the steps of one write inside one transaction; the first failure rolls all back.
template <typename Adimlar>
DepoHatasi TekYazim(const QString& baglanti, Adimlar&& adimlar)
{
    const Komut komut(baglanti);
    if (komut.hata)
        return komut.hata;
    Yazim yazim(Baglanti(baglanti));
    if (yazim.hata)
        return yazim.hata;
    if (auto hata = std::forward<Adimlar>(adimlar)(yazim.vt()))
        return hata;
    return yazim.Bitir();
}

} // namespace

ProjeDeposu::ProjeDeposu(QString baglanti) : m_baglanti(std::move(baglanti)) {}

DepoHatasi ProjeDeposu::Ac(const QString& yol, const QString& baglanti, Acilis acilis)
{
    DepoHatasi hata;
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), baglanti);
        // mode=rw opens an existing file for reading and writing and never creates one;
        // mode=ro, with the read-only flag besides, can neither create nor change it.
        const bool saltOkunur = acilis == Acilis::SaltOku;
        const bool denetlenir = acilis == Acilis::Denetle || saltOkunur;
        const QString kip = acilis == Acilis::Olustur ? QStringLiteral("?mode=rwc")
                            : saltOkunur              ? QStringLiteral("?mode=ro")
                                                      : QStringLiteral("?mode=rw");
        vt.setDatabaseName(QUrl::fromLocalFile(yol).toString(QUrl::FullyEncoded) + kip);
        vt.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1%2")
                                 .arg(MesgulBeklemeMs)
                                 .arg(saltOkunur ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
        if (!vt.open())
            hata = SqlHatasi(vt.lastError());
        else if (denetlenir)
            hata = Sema::Denetle(vt);
        if (hata)
            vt.close();
    }
    if (hata)
        QSqlDatabase::removeDatabase(baglanti);
    else if (acilis == Acilis::Denetle || acilis == Acilis::SaltOku)
        KimligiKaydet(baglanti, yol);
    return hata;
}

void ProjeDeposu::Kapat(const QString& baglanti)
{
    {
        const std::lock_guard<std::mutex> kilitli(acikDosyalarKilidi);
        acikDosyalar.remove(baglanti);
    }
    QSqlDatabase::database(baglanti, false).close();
    QSqlDatabase::removeDatabase(baglanti);
}

DepoHatasi ProjeDeposu::ProjeleriOku(QStringList& adlar) const
{
    const Komut komut(m_baglanti);
    if (komut.hata)
        return komut.hata;
    adlar.clear();
    QSqlQuery sorgu(Baglanti(m_baglanti));
    sorgu.setForwardOnly(true);
    if (auto hata = Calistir(sorgu, QStringLiteral("SELECT ProjeAdi FROM ProjeTablosu ORDER BY Kimlik"), {}))
        return hata;
    while (sorgu.next())
        adlar << sorgu.value(0).toString();
    return SatirlarinSonu(sorgu);
}

DepoHatasi ProjeDeposu::ProjeOku(const QString& ad, KayitliProje& proje) const
{
    const Komut komut(m_baglanti);
    if (komut.hata)
        return komut.hata;
    QSqlQuery sorgu(Baglanti(m_baglanti));
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu,
            QStringLiteral("SELECT BaslamaTarihi, BitisTarihi FROM ProjeTablosu WHERE ProjeAdi = ?"), {ad}, bulundu))
        return hata;
    if (!bulundu)
        return Bulunamadi(QStringLiteral("\"%1\" projesi artık kayıtlı değil.").arg(ad));
    proje = {ad, OkunanTarih(sorgu.value(0)), OkunanTarih(sorgu.value(1))};
    return {};
}

DepoHatasi ProjeDeposu::FaaliyetleriOku(const QString& proje, QVector<KayitliFaaliyet>& faaliyetler) const
{
    const Komut komut(m_baglanti);
    if (komut.hata)
        return komut.hata;
    faaliyetler.clear();
    QSqlQuery sorgu(Baglanti(m_baglanti));
    sorgu.setForwardOnly(true);
    if (auto hata = Calistir(sorgu,
            QStringLiteral("SELECT Kodu, Adi, OngorulenSure, OncekiFaaliyet FROM FaaliyetlerTablosu"
                           " WHERE Projesi = ? ORDER BY Kimlik"), {proje}))
        return hata;
    while (sorgu.next())
        faaliyetler.append(OkunanFaaliyet(sorgu));
    return SatirlarinSonu(sorgu);
}

DepoHatasi ProjeDeposu::KodlariOku(const QString& proje, QStringList& kodlar) const
{
    const Komut komut(m_baglanti);
    if (komut.hata)
        return komut.hata;
    kodlar.clear();
    QSqlQuery sorgu(Baglanti(m_baglanti));
    sorgu.setForwardOnly(true);
    if (auto hata = Calistir(sorgu,
            QStringLiteral("SELECT Kodu FROM FaaliyetlerTablosu WHERE Projesi = ? ORDER BY Kimlik"), {proje}))
        return hata;
    while (sorgu.next())
        kodlar << sorgu.value(0).toString();
    return SatirlarinSonu(sorgu);
}

DepoHatasi ProjeDeposu::EnBuyukKodu(const QString& proje, QString& koduBul) const
{
    const Komut komut(m_baglanti);
    if (komut.hata)
        return komut.hata;
    QSqlQuery sorgu(Baglanti(m_baglanti));
    bool bulundu = false;
    if (auto hata = SatirBul(sorgu,
            QStringLiteral("SELECT MAX(Kodu) AS KoduBul FROM FaaliyetlerTablosu WHERE Projesi = ?"), {proje}, bulundu))
        return hata;
    // An aggregate always gives its one row; NULL when the project has no activity.
    koduBul = bulundu && !sorgu.value(0).isNull() ? sorgu.value(0).toString() : QString();
    return {};
}

DepoHatasi ProjeDeposu::ProjeEkle(const Proje& proje) const
{
    QString baslama, bitis;
    if (auto hata = TarihDegeri(proje.baslama, baslama))
        return hata;
    if (auto hata = TarihDegeri(proje.bitis, bitis))
        return hata;
    return TekYazim(m_baglanti, [&](const QSqlDatabase& vt) {
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
    return TekYazim(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
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
    return TekYazim(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (auto hata = ProjeGosterildigiGibi(vt, proje))
            return hata;
        if (auto hata = Calistir(vt, QStringLiteral("DELETE FROM ProjeTablosu WHERE ProjeAdi = ?"), {proje.ad}))
            return hata;
        return Calistir(vt, QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Projesi = ?"), {proje.ad});
    });
}

DepoHatasi ProjeDeposu::FaaliyetEkle(const QString& proje, const Faaliyet& faaliyet) const
{
    return TekYazim(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (auto hata = ProjeOlmali(vt, proje))
            return hata;
        return Calistir(vt,
            QStringLiteral("INSERT INTO FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)"
                           " VALUES (?, ?, ?, ?, ?)"),
            {proje, Metin(faaliyet.kodu), Metin(faaliyet.adi), faaliyet.sure, Metin(faaliyet.oncekiler)});
    });
}

DepoHatasi ProjeDeposu::FaaliyetDegistir(const QString& proje, const KayitliFaaliyet& eski,
                                         const Faaliyet& yeni) const
{
    return TekYazim(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        if (auto hata = FaaliyetGosterildigiGibi(vt, proje, eski))
            return hata;
        return Calistir(vt,
            QStringLiteral("UPDATE FaaliyetlerTablosu SET Adi = ?, OngorulenSure = ?, OncekiFaaliyet = ?"
                           " WHERE Projesi = ? AND Kodu = ?"),
            {Metin(yeni.adi), yeni.sure, Metin(yeni.oncekiler), proje, eski.kodu});
    });
}

DepoHatasi ProjeDeposu::SonFaaliyetiSil(const QString& proje, const KayitliFaaliyet& son) const
{
    return TekYazim(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        QSqlQuery sonKod(vt);
        bool bulundu = false;
        if (auto hata = SatirBul(sonKod, QStringLiteral("SELECT MAX(Kodu) FROM FaaliyetlerTablosu WHERE Projesi = ?"),
                                 {proje}, bulundu))
            return hata;
        // An activity added since the window showed the list would be deleted unseen.
        if (sonKod.value(0).toString() != son.kodu)
            return Bulunamadi(FaaliyetlerDegismis(proje));
        if (auto hata = FaaliyetGosterildigiGibi(vt, proje, son))
            return hata;
        return Calistir(vt, QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Projesi = ? AND Kodu = ?"),
                        {proje, son.kodu});
    });
}

DepoHatasi ProjeDeposu::TumFaaliyetleriSil(const QString& proje, const QVector<KayitliFaaliyet>& gosterilenler) const
{
    return TekYazim(m_baglanti, [&](const QSqlDatabase& vt) -> DepoHatasi {
        QSqlQuery sayi(vt);
        bool bulundu = false;
        if (auto hata = SatirBul(sayi, QStringLiteral("SELECT count(*) FROM FaaliyetlerTablosu WHERE Projesi = ?"),
                                 {proje}, bulundu))
            return hata;
        if (sayi.value(0).toLongLong() != gosterilenler.size())
            return Bulunamadi(FaaliyetlerDegismis(proje));
        for (const KayitliFaaliyet& f : gosterilenler) {
            if (auto hata = FaaliyetGosterildigiGibi(vt, proje, f))
                return hata.numara == DepoHatasi::Bulunamadi ? Bulunamadi(FaaliyetlerDegismis(proje)) : hata;
        }
        return Calistir(vt, QStringLiteral("DELETE FROM FaaliyetlerTablosu WHERE Projesi = ?"), {proje});
    });
}

QString VeritabaniYolu(const QString& klasor)
{
    const QString dosya = QStringLiteral("Proje.mdb");
    return klasor.endsWith(QLatin1Char('/')) ? klasor + dosya : klasor + QLatin1Char('/') + dosya;
}
