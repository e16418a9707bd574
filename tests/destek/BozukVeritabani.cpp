#include "destek/BozukVeritabani.h"

#include "destek/GeciciVeritabani.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>

BozukVeritabani::BozukVeritabani(const QString& klasor, Bozukluk bozukluk)
{
    const QString yol = VeritabaniYolu(klasor);
    QFile dosya(yol);
    QByteArray cop(16384, '\0');
    QRandomGenerator(20260301).fillRange(reinterpret_cast<quint32*>(cop.data()), cop.size() / 4);
    const QString proje = "CREATE TABLE ProjeTablosu (Kimlik INTEGER PRIMARY KEY, ProjeAdi, BaslamaTarihi, BitisTarihi)";
    switch (bozukluk) {
    case Bozukluk::Yok:
        m_hazir = !dosya.exists();
        break;
    case Bozukluk::Klasor:
        m_hazir = QDir(klasor).mkdir(QStringLiteral("Proje.mdb"));
        break;
    case Bozukluk::Bos:
    case Bozukluk::Cop:
        m_hazir = dosya.open(QIODevice::WriteOnly) && dosya.write(bozukluk == Bozukluk::Cop ? cop : QByteArray()) >= 0;
        break;
    case Bozukluk::Tablosuz:
        m_hazir = DosyadaCalistir(yol, {"CREATE TABLE Notlar (Metin TEXT)"});
        break;
    case Bozukluk::SutunuEksik:
        m_hazir = DosyadaCalistir(yol, {proje, "CREATE TABLE FaaliyetlerTablosu (Kimlik INTEGER PRIMARY KEY, Projesi, Kodu,"
                                              " Adi, OngorulenSure)"});
        break;
    case Bozukluk::KimliksizTablo:
        m_hazir = DosyadaCalistir(yol, {"CREATE TABLE ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi)",
                                        "CREATE TABLE FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet)"});
        break;
    case Bozukluk::YarimKalmis: {
        // File and journal copied mid-change: what a writer killed at that moment leaves.
        const QTemporaryDir yazaninKlasoru;
        const QString kaynak = VeritabaniYolu(yazaninKlasoru.path());
        SemadanOlustur(kaynak);
        const GeciciBaglanti yazan(kaynak, ProjeDeposu::Acilis::Ham);
        QSqlQuery sorgu(yazan.vt());
        // A change larger than a one-page cache reaches the file before its commit.
        m_hazir = sorgu.exec("PRAGMA cache_size = 1") && sorgu.exec("BEGIN")
                  && sorgu.exec("CREATE TABLE Yarım AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1"
                                " FROM n WHERE i < 200) SELECT zeroblob(2000) AS Metin FROM n")
                  && QFile::copy(kaynak, yol) && QFile::copy(kaynak + "-journal", yol + "-journal");
        break;
    }
    case Bozukluk::Okunamaz:
    case Bozukluk::SaltOkunur:
    case Bozukluk::OzelKilitli:
        SemadanOlustur(yol);
        m_hazir = DosyadaCalistir(yol, {"INSERT INTO ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi)"
                                        " VALUES ('ALFA', '2026-03-01', '2026-03-11')",
                                        "INSERT INTO FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure)"
                                        " VALUES ('ALFA', 'A', 'a', 3)"});
        if (bozukluk == Bozukluk::OzelKilitli) {
            m_kilit = std::make_unique<KilitTutanSurec>(yol, KilitTutanSurec::Kilit::Ozel);
            m_hazir = m_hazir && m_kilit->tutuyor();
        } else {
            m_hazir = m_hazir && dosya.setPermissions(bozukluk == Bozukluk::Okunamaz ? QFile::WriteOwner : QFile::ReadOwner);
        }
        break;
    }
}

QStringList KlasorGorunumu(const QString& klasor)
{
    QStringList gorunum;
    const QFileInfoList girdiler =
        QDir(klasor).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& girdi : girdiler) {
        QFile dosya(girdi.filePath());
        QByteArray ozet;
        if (girdi.isFile() && dosya.open(QIODevice::ReadOnly))
            ozet = QCryptographicHash::hash(dosya.readAll(), QCryptographicHash::Sha256).toHex();
        gorunum << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(girdi.fileName())
                       .arg(girdi.size())
                       .arg(girdi.lastModified().toMSecsSinceEpoch())
                       .arg(int(girdi.permissions()))
                       .arg(QString::fromLatin1(ozet));
    }
    return gorunum;
}
