#include "destek/GeciciVeritabani.h"

#include "store/Sema.h"

#include <QSqlQuery>
#include <QTest>
#include <algorithm>

bool DosyadaÇalıştır(const QString& yol, const QStringList& komutlar)
{
    const GeçiciBağlantı bağlantı(yol, ProjeDeposu::Açılış::Oluştur);
    QSqlQuery sorgu(bağlantı.vt());
    return !bağlantı.hata() && std::all_of(komutlar.begin(), komutlar.end(), [&](const QString& k) { return sorgu.exec(k); });
}

void ŞemadanOluştur(const QString& yol)
{
    const GeçiciBağlantı bağlantı(yol, ProjeDeposu::Açılış::Oluştur);
    QSqlDatabase vt = bağlantı.vt();
    const DepoHatası hata = bağlantı.hata() ? bağlantı.hata() : Şema::Kur(vt);
    QVERIFY2(!hata, qPrintable(hata.açıklama));
}

GeçiciVeritabanı::GeçiciVeritabanı(const QString& klasör) : m_klasör(klasör.isEmpty() ? m_dizin.path() : klasör)
{
    ŞemadanOluştur(yol());
    m_bağlantı = std::make_unique<GeçiciBağlantı>(yol());
    if (m_bağlantı->hata())
        qFatal("geçici veritabanı açılamadı: %s", qPrintable(m_bağlantı->hata().açıklama));
}

void GeçiciVeritabanı::ProjeEkle(const QString& ad, const QDate& başlama, const QDate& bitiş,
                                 const QVector<Faaliyet>& faaliyetler) const
{
    DepoHatası hata = depo().ProjeEkle({ad, başlama, bitiş});
    for (int i = 0; i < faaliyetler.size() && !hata; ++i)
        hata = depo().FaaliyetEkle(ad, faaliyetler[i]);
    QVERIFY2(!hata, qPrintable(hata.açıklama));
}

void ÖrnekProjeler(const GeçiciVeritabanı& vt)
{
    vt.ProjeEkle("ALFA", QDate(2026, 1, 1), QDate(2026, 1, 31), {{"A", "a", 3, ""}, {"B", "b", 2, "A"}, {"C", "c", 4, "A"}});
    vt.ProjeEkle("BETA", QDate(2026, 2, 1), QDate(2026, 2, 28), {{"A", "beta", 1, ""}});
}

QStringList GeçiciVeritabanı::DosyadakiSatırlar(const QString& yol)
{
    QStringList satırlar;
    const GeçiciBağlantı bağlantı(yol, ProjeDeposu::Açılış::Ham);
    QSqlQuery sorgu(bağlantı.vt());
    sorgu.exec(QStringLiteral("SELECT 'P', ProjeAdi, BaslamaTarihi, BitisTarihi, '' FROM ProjeTablosu"
                              " UNION ALL SELECT 'F|' || Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet"
                              " FROM FaaliyetlerTablosu"));
    while (!bağlantı.hata() && sorgu.next()) {
        QStringList alanlar;
        for (int i = 0; i < 5; ++i)
            alanlar << sorgu.value(i).toString();
        satırlar << alanlar.join(QLatin1Char('|'));
    }
    return satırlar;
}
