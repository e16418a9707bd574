#include "destek/GeciciVeritabani.h"

#include "store/Sema.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <algorithm>

bool DosyadaCalistir(const QString& yol, const QStringList& komutlar)
{
    const GeciciBaglanti baglanti(yol, ProjeDeposu::Acilis::Olustur);
    QSqlQuery sorgu(baglanti.vt());
    return !baglanti.hata() && std::all_of(komutlar.begin(), komutlar.end(), [&](const QString& k) { return sorgu.exec(k); });
}

void SemadanOlustur(const QString& yol)
{
    const GeciciBaglanti baglanti(yol, ProjeDeposu::Acilis::Olustur);
    QSqlDatabase vt = baglanti.vt();
    const DepoHatasi hata = baglanti.hata() ? baglanti.hata() : Sema::Kur(vt);
    QVERIFY2(!hata, qPrintable(hata.aciklama));
}

GeciciVeritabani::GeciciVeritabani(const QString& klasor) : m_klasor(klasor.isEmpty() ? m_dizin.path() : klasor)
{
    SemadanOlustur(yol());
    m_baglanti = std::make_unique<GeciciBaglanti>(yol());
    if (m_baglanti->hata())
        qFatal("geçici veritabanı açılamadı: %s", qPrintable(m_baglanti->hata().aciklama));
}

void GeciciVeritabani::ProjeEkle(const QString& ad, const QDate& baslama, const QDate& bitis,
                                 const QVector<Faaliyet>& faaliyetler) const
{
    DepoHatasi hata = depo().ProjeEkle({ad, baslama, bitis});
    for (int i = 0; i < faaliyetler.size() && !hata; ++i)
        hata = depo().FaaliyetEkle(ad, faaliyetler[i]);
    QVERIFY2(!hata, qPrintable(hata.aciklama));
}

void OrnekProjeler(const GeciciVeritabani& vt)
{
    vt.ProjeEkle("ALFA", QDate(2026, 1, 1), QDate(2026, 1, 31), {{"A", "a", 3, ""}, {"B", "b", 2, "A"}, {"C", "c", 4, "A"}});
    vt.ProjeEkle("BETA", QDate(2026, 2, 1), QDate(2026, 2, 28), {{"A", "beta", 1, ""}});
    const DepoHatasi hata = vt.depo().TahminDegistir("ALFA", "C", std::nullopt, UcNoktaTahmini{2, 4, 9});
    QVERIFY2(!hata, qPrintable(hata.aciklama));
}

QStringList GeciciVeritabani::DosyadakiSatirlar(const QString& yol)
{
    QStringList satirlar;
    const GeciciBaglanti baglanti(yol, ProjeDeposu::Acilis::Ham);
    QSqlQuery sorgu(baglanti.vt());
    sorgu.exec(QStringLiteral("SELECT 'P', ProjeAdi, BaslamaTarihi, BitisTarihi, '' FROM ProjeTablosu"
                              " UNION ALL SELECT 'F|' || Projesi, Kodu, Adi, OngorulenSure, OncekiFaaliyet"
                              " FROM FaaliyetlerTablosu"));
    while (!baglanti.hata() && sorgu.next()) {
        QStringList alanlar;
        for (int i = 0; i < 5; ++i)
            alanlar << sorgu.value(i).toString();
        satirlar << alanlar.join(QLatin1Char('|'));
    }
    return satirlar;
}

const QStringList GeciciVeritabani::TumTablolar{"ProjeTablosu", "FaaliyetlerTablosu", "TahminlerTablosu", "DagilimTablosu",
                                               "GecmisAdimlari", "GecmisDegisiklikleri"};

QStringList GeciciVeritabani::Dokum(const QString& yol, const QStringList& tablolar)
{
    QStringList satirlar;
    const GeciciBaglanti baglanti(yol, ProjeDeposu::Acilis::Ham);
    for (const QString& tablo : tablolar) {
        QSqlQuery sorgu(baglanti.vt());
        sorgu.exec(QStringLiteral("SELECT * FROM %1 ORDER BY Kimlik").arg(tablo));
        while (sorgu.next()) {
            QStringList alanlar{tablo};
            for (int i = 0; i < sorgu.record().count(); ++i) {
                const QVariant deger = sorgu.value(i);
                alanlar << (deger.isNull() ? QStringLiteral("NULL")
                                           : QLatin1String(deger.typeName()) + QLatin1Char(':') + deger.toString());
            }
            satirlar << alanlar.join(QLatin1Char('|'));
        }
    }
    return satirlar;
}
