#include "destek/BozukVeritabani.h"

#include "destek/GeciciVeritabani.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>

BozukVeritabanı::BozukVeritabanı(const QString& klasör, Bozukluk bozukluk)
{
    const QString yol = VeritabanıYolu(klasör);
    QFile dosya(yol);
    QByteArray çöp(16384, '\0');
    QRandomGenerator(20260301).fillRange(reinterpret_cast<quint32*>(çöp.data()), çöp.size() / 4);
    const QString proje = "CREATE TABLE ProjeTablosu (Kimlik INTEGER PRIMARY KEY, ProjeAdi, BaslamaTarihi, BitisTarihi)";
    switch (bozukluk) {
    case Bozukluk::Yok:
        m_hazır = !dosya.exists();
        break;
    case Bozukluk::Klasör:
        m_hazır = QDir(klasör).mkdir(QStringLiteral("Proje.mdb"));
        break;
    case Bozukluk::Boş:
    case Bozukluk::Çöp:
        m_hazır = dosya.open(QIODevice::WriteOnly) && dosya.write(bozukluk == Bozukluk::Çöp ? çöp : QByteArray()) >= 0;
        break;
    case Bozukluk::Tablosuz:
        m_hazır = DosyadaÇalıştır(yol, {"CREATE TABLE Notlar (Metin TEXT)"});
        break;
    case Bozukluk::SütunuEksik:
        m_hazır = DosyadaÇalıştır(yol, {proje, "CREATE TABLE FaaliyetlerTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Kodu,"
                                              " Adi, OngorulenSure)"});
        break;
    case Bozukluk::KimliksizTablo:
        m_hazır = DosyadaÇalıştır(yol, {"CREATE TABLE ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi)",
                                        "CREATE TABLE FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)"});
        break;
    case Bozukluk::YarımKalmış: {
        // File and journal copied mid-change: what a writer killed at that moment leaves.
        const QTemporaryDir yazanınKlasörü;
        const QString kaynak = VeritabanıYolu(yazanınKlasörü.path());
        ŞemadanOluştur(kaynak);
        const GeçiciBağlantı yazan(kaynak, ProjeDeposu::Açılış::Ham);
        QSqlQuery sorgu(yazan.vt());
        // A change larger than a one-page cache reaches the file before its commit.
        m_hazır = sorgu.exec("PRAGMA cache_size = 1") && sorgu.exec("BEGIN")
                  && sorgu.exec("CREATE TABLE Yarım AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1"
                                " FROM n WHERE i < 200) SELECT zeroblob(2000) AS Metin FROM n")
                  && QFile::copy(kaynak, yol) && QFile::copy(kaynak + "-journal", yol + "-journal");
        break;
    }
    case Bozukluk::Okunamaz:
    case Bozukluk::SaltOkunur:
    case Bozukluk::ÖzelKilitli:
        ŞemadanOluştur(yol);
        m_hazır = DosyadaÇalıştır(yol, {"INSERT INTO ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi)"
                                        " VALUES ('ALFA', '2026-03-01', '2026-03-11')",
                                        "INSERT INTO FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure)"
                                        " VALUES ('ALFA', 'A', 'a', 3)"});
        if (bozukluk == Bozukluk::ÖzelKilitli) {
            m_kilit = std::make_unique<KilitTutanSüreç>(yol, KilitTutanSüreç::Kilit::Özel);
            m_hazır = m_hazır && m_kilit->tutuyor();
        } else {
            m_hazır = m_hazır && dosya.setPermissions(bozukluk == Bozukluk::Okunamaz ? QFile::WriteOwner : QFile::ReadOwner);
        }
        break;
    }
}

QStringList KlasörGörünümü(const QString& klasör)
{
    QStringList görünüm;
    const QFileInfoList girdiler =
        QDir(klasör).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& girdi : girdiler) {
        QFile dosya(girdi.filePath());
        QByteArray özet;
        if (girdi.isFile() && dosya.open(QIODevice::ReadOnly))
            özet = QCryptographicHash::hash(dosya.readAll(), QCryptographicHash::Sha256).toHex();
        görünüm << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(girdi.fileName())
                       .arg(girdi.size())
                       .arg(girdi.lastModified().toMSecsSinceEpoch())
                       .arg(int(girdi.permissions()))
                       .arg(QString::fromLatin1(özet));
    }
    return görünüm;
}
