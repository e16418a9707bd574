#include "destek/BozukVeritabani.h"

#include "destek/Ariza.h"
#include "destek/GeciciVeritabani.h"
#include "store/ProjeDeposu.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {

bool BirProjeli(const QString& yol)
{
    ŞemadanOluştur(yol);
    return DosyadaÇalıştır(yol, {QStringLiteral("INSERT INTO ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi)"
                                            " VALUES ('ALFA', '2026-03-01', '2026-03-11')"),
                             QStringLiteral("INSERT INTO FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure)"
                                            " VALUES ('ALFA', 'A', 'a', 3)")});
}

} // namespace

BozukVeritabanı::BozukVeritabanı(const QString& klasör, Bozukluk bozukluk)
{
    const QString yol = VeritabanıYolu(klasör);
    switch (bozukluk) {
    case Bozukluk::Yok:
        m_hazır = !QFile::exists(yol);
        break;
    case Bozukluk::Klasör:
        m_hazır = QDir(klasör).mkdir(QStringLiteral("Proje.mdb"));
        break;
    case Bozukluk::Boş:
        m_hazır = DosyayaYaz(yol, QByteArray());
        break;
    case Bozukluk::Çöp:
        m_hazır = DosyayaYaz(yol, Çöp(16384));
        break;
    case Bozukluk::Tablosuz:
        m_hazır = DosyadaÇalıştır(yol, {QStringLiteral("CREATE TABLE Notlar (Metin TEXT)")});
        break;
    case Bozukluk::SütunuEksik:
        m_hazır = DosyadaÇalıştır(yol, {QStringLiteral("CREATE TABLE ProjeTablosu (Kimlik INTEGER PRIMARY KEY, ProjeAdi,"
                                                       " BaslamaTarihi, BitisTarihi)"),
                                        QStringLiteral("CREATE TABLE FaaliyetlerTablosu (Kimlik INTEGER PRIMARY KEY,"
                                                       " Projesi, Kodu, Adi, OngorulenSure)")});
        break;
    case Bozukluk::KimliksizTablo:
        m_hazır = DosyadaÇalıştır(yol, {QStringLiteral("CREATE TABLE ProjeTablosu (ProjeAdi, BaslamaTarihi, BitisTarihi)"),
                                        QStringLiteral("CREATE TABLE FaaliyetlerTablosu (Projesi, Kodu, Adi, OngorulenSure,"
                                                       " OncekiFaaliyet)")});
        break;
    case Bozukluk::Okunamaz:
        m_hazır = BirProjeli(yol) && QFile::setPermissions(yol, QFile::WriteOwner);
        break;
    case Bozukluk::SaltOkunur:
        m_hazır = BirProjeli(yol) && QFile::setPermissions(yol, QFile::ReadOwner);
        break;
    case Bozukluk::ÖzelKilitli:
        m_hazır = BirProjeli(yol);
        m_kilit = std::make_unique<KilitTutanSüreç>(yol, KilitTutanSüreç::Kilit::Özel);
        m_hazır = m_hazır && m_kilit->tutuyor();
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
