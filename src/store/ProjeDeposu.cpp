// The connection: opening a database and the checks at start-up, and closing it. The
// commands are in ProjeDeposu_Projeler.cpp and ProjeDeposu_Faaliyetler.cpp, what they
// share in ProjeDeposu_Ortak.h, and the check that the file is still the one opened in
// DosyaDegisimDenetimi.h.
#include "store/ProjeDeposu.h"

#include "store/DosyaDegisimDenetimi.h"
#include "store/Lehce.h"
#include "store/ProjeDeposu_Ortak.h"
#include "store/Sema.h"
#include "store/SqlHatasi.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSysInfo>
#include <QUrl>
#include <utility>

namespace {

// Whose steps a planner's writes are when nobody says: the account and the machine.
QString VarsayilanSahip()
{
    const QString kullanici = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return kullanici + QLatin1Char('@') + QSysInfo::machineHostName();
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
                                 .arg(DepoOrtak::MesgulBeklemeMs)
                                 .arg(saltOkunur ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
        if (!vt.open())
            hata = SqlHatasi(vt.lastError());
        else if (denetlenir)
            hata = Sema::Denetle(vt);
        // The table that marks a recorded write is the connection's own: in memory, its
        // journal costs no file made and deleted at every write.
        if (!hata)
            QSqlQuery(vt).exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
        if (hata)
            vt.close();
    }
    if (hata)
        QSqlDatabase::removeDatabase(baglanti);
    else if (acilis == Acilis::Denetle || acilis == Acilis::SaltOku)
        DosyaDegisimDenetimi::KimligiKaydet(baglanti, yol);
    return hata;
}

DepoHatasi ProjeDeposu::SunucuyaBaglan(const SunucuAdresi& adres, const QString& baglanti, Acilis acilis,
                                       const QString& sahip)
{
    DepoHatasi hata;
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), baglanti);
        if (!vt.isValid())
            hata = DepoHatasi::yeni(DepoHatasi::Acilamadi, QStringLiteral("PostgreSQL sürücüsü kurulu değil "
                                                                          "(libqt6sql6-psql)."));
        else if (!(hata = BaglantiyaUygula(adres, vt))) {
            SunucuBaglantisi::Ayarlar ayarlar;
            ayarlar.sahip = sahip.isEmpty() ? VarsayilanSahip() : sahip;
            ayarlar.saltOkunur = acilis == Acilis::SaltOku;
            ayarlar.denetlenir = acilis == Acilis::Denetle || acilis == Acilis::SaltOku;
            hata = SunucuBaglantisi::Ac(vt, ayarlar);
        }
    }
    if (hata)
        QSqlDatabase::removeDatabase(baglanti);
    return hata;
}

QSqlDriver* ProjeDeposu::DuyuruKaynagi() const
{
    QSqlDatabase vt = QSqlDatabase::database(m_baglanti, false);
    if (!Lehce::Sunucuda(vt))
        return nullptr;
    SunucuBaglantisi::DuyurulariDinle(m_baglanti);
    return vt.driver();
}

void ProjeDeposu::Kapat(const QString& baglanti)
{
    DosyaDegisimDenetimi::Unut(baglanti);
    SunucuBaglantisi::Unut(baglanti);
    QSqlDatabase::database(baglanti, false).close();
    QSqlDatabase::removeDatabase(baglanti);
}

QString VeritabaniYolu(const QString& klasor)
{
    const QString dosya = QStringLiteral("Proje.mdb");
    return klasor.endsWith(QLatin1Char('/')) ? klasor + dosya : klasor + QLatin1Char('/') + dosya;
}
