#include "destek/GeciciVeritabani.h"

#include "store/Sema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace {

QString YeniBağlantıAdı()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace

bool DosyadaÇalıştır(const QString& yol, const QStringList& komutlar)
{
    const QString ad = YeniBağlantıAdı();
    bool tamam = true;
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        vt.setDatabaseName(yol);
        tamam = vt.open();
        QSqlQuery sorgu(vt);
        for (const QString& komut : komutlar)
            tamam = tamam && sorgu.exec(komut);
        vt.close();
    }
    QSqlDatabase::removeDatabase(ad);
    return tamam;
}

void ŞemadanOluştur(const QString& yol)
{
    const QString ad = YeniBağlantıAdı();
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        vt.setDatabaseName(yol);
        QVERIFY(vt.open());
        const DepoHatası hata = Şema::Kur(vt);
        QVERIFY2(!hata, qPrintable(hata.açıklama));
        vt.close();
    }
    QSqlDatabase::removeDatabase(ad);
}

GeçiciVeritabanı::GeçiciVeritabanı() : GeçiciVeritabanı(QString()) {}

GeçiciVeritabanı::GeçiciVeritabanı(const QString& klasör)
    : m_klasör(klasör.isEmpty() ? m_dizin.path() : klasör), m_bağlantı(YeniBağlantıAdı())
{
    ŞemadanOluştur(yol());
    const DepoHatası hata = ProjeDeposu::Aç(yol(), m_bağlantı);
    if (hata)
        qFatal("geçici veritabanı açılamadı: %s", qPrintable(hata.açıklama));
}

GeçiciVeritabanı::~GeçiciVeritabanı()
{
    ProjeDeposu::Kapat(m_bağlantı);
}

void GeçiciVeritabanı::ProjeEkle(const QString& ad, const QString& başlama, const QString& bitiş,
                                 const QVector<Faaliyet>& faaliyetler) const
{
    const DepoHatası hata = depo().ProjeEkle(ad, başlama, bitiş);
    QVERIFY2(!hata, qPrintable(hata.açıklama));
    for (const Faaliyet& f : faaliyetler) {
        const DepoHatası faaliyetHatası = depo().FaaliyetEkle(ad, f);
        QVERIFY2(!faaliyetHatası, qPrintable(faaliyetHatası.açıklama));
    }
}

QStringList GeçiciVeritabanı::Satırlar() const
{
    return DosyadakiSatırlar(yol());
}

QStringList DosyadakiSatırlar(const QString& yol)
{
    QStringList satırlar;
    const QString ad = YeniBağlantıAdı();
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        vt.setDatabaseName(yol);
        vt.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (vt.open()) {
            QSqlQuery sorgu(vt);
            sorgu.exec(QStringLiteral("SELECT 'P', ProjeAdi, BaslamaTarihi, BitisTarihi, '' FROM ProjeTablosu"
                                      " UNION ALL SELECT 'F|' || Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet"
                                      " FROM FaaliyetlerTablosu"));
            while (sorgu.next()) {
                QStringList alanlar;
                for (int i = 0; i < 5; ++i)
                    alanlar << sorgu.value(i).toString();
                satırlar << alanlar.join(QLatin1Char('|'));
            }
        }
        vt.close();
    }
    QSqlDatabase::removeDatabase(ad);
    return satırlar;
}
