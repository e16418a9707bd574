#include "destek/GeciciVeritabani.h"

#include "destek/SunucuVeritabani.h"

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
    if (Sunucuda()) {
        m_sunucu = std::make_unique<SunucuVeritabani>();
        if (!m_sunucu->ayarli() || !m_sunucu->hata().isEmpty())
            qFatal("sunucuda geçici veritabanı yok: %s", qPrintable(m_sunucu->hata()));
        const auto kurulum = Baglan();
        QSqlDatabase vt = kurulum->vt();
        const DepoHatasi hata = kurulum->hata() ? kurulum->hata() : Sema::Kur(vt);
        if (hata)
            qFatal("sunucuda şema kurulamadı: %s %s", qPrintable(hata.aciklama), qPrintable(hata.ayrinti));
        m_baglanti = std::make_unique<GeciciBaglanti>(m_sunucu->adres(), ProjeDeposu::Acilis::Denetle,
                                                      QStringLiteral("test"));
    } else {
        SemadanOlustur(yol());
        m_baglanti = std::make_unique<GeciciBaglanti>(yol());
    }
    if (m_baglanti->hata())
        qFatal("geçici veritabanı açılamadı: %s", qPrintable(m_baglanti->hata().aciklama));
}

GeciciVeritabani::~GeciciVeritabani()
{
    // The server drops the database only once no connection is left to it.
    m_baglanti.reset();
}

bool GeciciVeritabani::Sunucuda()
{
    return qEnvironmentVariable("KAVRION_TEST_MOTORU") == QLatin1String("sunucu");
}

const SunucuAdresi& GeciciVeritabani::adres() const
{
    return m_sunucu->adres();
}

std::unique_ptr<GeciciBaglanti> GeciciVeritabani::Baglan(ProjeDeposu::Acilis acilis, const QString& sahip) const
{
    if (m_sunucu)
        return std::make_unique<GeciciBaglanti>(m_sunucu->adres(), acilis, sahip);
    return std::make_unique<GeciciBaglanti>(yol(), acilis);
}

bool GeciciVeritabani::Calistir(const QStringList& komutlar) const
{
    if (m_sunucu)
        return SunucudaCalistir(m_sunucu->adres(), komutlar).isEmpty();
    return DosyadaCalistir(yol(), komutlar);
}

QStringList GeciciVeritabani::Satirlar() const
{
    const auto baglanti = Baglan();
    return baglanti->hata() ? QStringList() : Satirlar(baglanti->vt());
}

QStringList GeciciVeritabani::Dokum(const QStringList& tablolar) const
{
    const auto baglanti = Baglan();
    return baglanti->hata() ? QStringList() : Dokum(baglanti->vt(), tablolar);
}

static DepoHatasi ProjeyiEkle(const ProjeDeposu& d, const Proje& proje, const QVector<Faaliyet>& faaliyetler)
{
    DepoHatasi hata = d.ProjeEkle(proje);
    for (int i = 0; i < faaliyetler.size() && !hata; ++i)
        hata = d.FaaliyetEkle(proje.ad, faaliyetler[i]);
    return hata;
}

void GeciciVeritabani::ProjeEkle(const QString& ad, const QDate& baslama, const QDate& bitis,
                                 const QVector<Faaliyet>& faaliyetler) const
{
    const DepoHatasi hata = ProjeyiEkle(depo(), {ad, baslama, bitis}, faaliyetler);
    QVERIFY2(!hata, qPrintable(hata.aciklama));
}

void OrnekProjeler(const ProjeDeposu& d)
{
    DepoHatasi hata = ProjeyiEkle(d, {"ALFA", QDate(2026, 1, 1), QDate(2026, 1, 31)},
                                  {{"A", "a", 3, ""}, {"B", "b", 2, "A"}, {"C", "c", 4, "A"}});
    if (!hata)
        hata = ProjeyiEkle(d, {"BETA", QDate(2026, 2, 1), QDate(2026, 2, 28)}, {{"A", "beta", 1, ""}});
    if (!hata)
        hata = d.TahminDegistir("ALFA", "C", std::nullopt, UcNoktaTahmini{2, 4, 9});
    QVERIFY2(!hata, qPrintable(hata.aciklama));
}

void OrnekProjeler(const GeciciVeritabani& vt)
{
    OrnekProjeler(vt.depo());
}

QStringList GeciciVeritabani::DosyadakiSatirlar(const QString& yol)
{
    const GeciciBaglanti baglanti(yol, ProjeDeposu::Acilis::Ham);
    return baglanti.hata() ? QStringList() : Satirlar(baglanti.vt());
}

QStringList GeciciVeritabani::Satirlar(const QSqlDatabase& vt)
{
    QStringList satirlar;
    QSqlQuery sorgu(vt);
    // A server's union takes one type per column, and gives its rows in no set order.
    const bool sunucu = vt.driverName() == QLatin1String("QPSQL");
    sorgu.exec(QStringLiteral("SELECT 'P', ProjeAdi, BaslamaTarihi, BitisTarihi, '', Kimlik, 0 FROM ProjeTablosu"
                              " UNION ALL SELECT 'F|' || Projesi, Kodu, Adi, %1, OncekiFaaliyet, Kimlik, 1"
                              " FROM FaaliyetlerTablosu%2")
                   .arg(sunucu ? QStringLiteral("CAST(OngorulenSure AS text)") : QStringLiteral("OngorulenSure"),
                        sunucu ? QStringLiteral(" ORDER BY 7, 6") : QString()));
    while (sorgu.next()) {
        QStringList alanlar;
        for (int i = 0; i < 5; ++i)
            alanlar << sorgu.value(i).toString();
        satirlar << alanlar.join(QLatin1Char('|'));
    }
    return satirlar;
}

const QStringList GeciciVeritabani::TumTablolar{"ProjeTablosu", "FaaliyetlerTablosu", "TahminlerTablosu", "DagilimTablosu",
                                               "TakvimTablosu", "TakvimIstisnalariTablosu", "BaglarTablosu", "DurumTablosu",
                                               "IlerlemeTablosu", "TabanPlanlariTablosu", "TabanSatirlariTablosu",
                                               "GecmisAdimlari", "GecmisDegisiklikleri"};

QStringList GeciciVeritabani::Dokum(const QString& yol, const QStringList& tablolar)
{
    const GeciciBaglanti baglanti(yol, ProjeDeposu::Acilis::Ham);
    return baglanti.hata() ? QStringList() : Dokum(baglanti.vt(), tablolar);
}

QStringList GeciciVeritabani::Dokum(const QSqlDatabase& vt, const QStringList& tablolar)
{
    QStringList satirlar;
    for (const QString& tablo : tablolar) {
        QSqlQuery sorgu(vt);
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
