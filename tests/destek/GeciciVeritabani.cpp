#include "destek/GeciciVeritabani.h"

#include "store/Sema.h"

#include <QSqlQuery>
#include <QTest>

bool DosyadaÇalıştır(const QString& yol, const QStringList& komutlar)
{
    const GeçiciBağlantı bağlantı(yol, ProjeDeposu::Açılış::Oluştur);
    if (bağlantı.hata())
        return false;
    QSqlQuery sorgu(bağlantı.vt());
    for (const QString& komut : komutlar) {
        if (!sorgu.exec(komut))
            return false;
    }
    return true;
}

void ŞemadanOluştur(const QString& yol)
{
    const GeçiciBağlantı bağlantı(yol, ProjeDeposu::Açılış::Oluştur);
    QVERIFY2(!bağlantı.hata(), qPrintable(bağlantı.hata().açıklama));
    QSqlDatabase vt = bağlantı.vt();
    const DepoHatası hata = Şema::Kur(vt);
    QVERIFY2(!hata, qPrintable(hata.açıklama));
}

GeçiciVeritabanı::GeçiciVeritabanı() : GeçiciVeritabanı(QString()) {}

GeçiciVeritabanı::GeçiciVeritabanı(const QString& klasör)
    : m_klasör(klasör.isEmpty() ? m_dizin.path() : klasör)
{
    ŞemadanOluştur(yol());
    m_bağlantı = std::make_unique<GeçiciBağlantı>(yol());
    if (m_bağlantı->hata())
        qFatal("geçici veritabanı açılamadı: %s", qPrintable(m_bağlantı->hata().açıklama));
}

void GeçiciVeritabanı::ProjeEkle(const QString& ad, const QDate& başlama, const QDate& bitiş,
                                 const QVector<Faaliyet>& faaliyetler) const
{
    const DepoHatası hata = depo().ProjeEkle({ad, başlama, bitiş});
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
    const GeçiciBağlantı bağlantı(yol, ProjeDeposu::Açılış::Ham);
    if (bağlantı.hata())
        return satırlar;
    QSqlQuery sorgu(bağlantı.vt());
    sorgu.exec(QStringLiteral("SELECT 'P', ProjeAdi, BaslamaTarihi, BitisTarihi, '' FROM ProjeTablosu"
                              " UNION ALL SELECT 'F|' || Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet"
                              " FROM FaaliyetlerTablosu"));
    while (sorgu.next()) {
        QStringList alanlar;
        for (int i = 0; i < 5; ++i)
            alanlar << sorgu.value(i).toString();
        satırlar << alanlar.join(QLatin1Char('|'));
    }
    return satırlar;
}
