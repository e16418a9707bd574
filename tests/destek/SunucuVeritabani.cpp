#include "destek/SunucuVeritabani.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <atomic>

QString SunucudaCalistir(const SunucuAdresi& adres, const QStringList& komutlar)
{
    const QString ad = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString hata;
    {
        QSqlDatabase vt = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), ad);
        const DepoHatasi uygulama = BaglantiyaUygula(adres, vt);
        if (uygulama)
            hata = uygulama.aciklama;
        else if (!vt.open())
            hata = vt.lastError().text();
        QSqlQuery sorgu(vt);
        for (qsizetype i = 0; hata.isEmpty() && i < komutlar.size(); ++i)
            if (!sorgu.exec(komutlar[i]))
                hata = sorgu.lastError().text();
    }
    QSqlDatabase::removeDatabase(ad);
    return hata;
}

SunucuVeritabani::SunucuVeritabani()
{
    const QString metin = qEnvironmentVariable("KAVRION_TEST_SUNUCU");
    m_ayarli = !metin.isEmpty();
    if (!m_ayarli)
        return;
    if (DepoHatasi hata = SunucuAdresiniOku(metin, m_yonetici)) {
        m_hata = hata.aciklama;
        return;
    }
    // The socket folder is a link to a short path; the long one may be past a socket's 107 bytes.
    const QString gercek = QFileInfo(m_yonetici.sunucu).canonicalFilePath();
    if (m_yonetici.sunucu.startsWith(u'/') && !gercek.isEmpty())
        m_yonetici.sunucu = gercek;
    static std::atomic<int> sayac{0};
    m_adres = m_yonetici;
    m_adres.veritabani = QStringLiteral("kavrion_test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++sayac);
    // A database of that name is one a killed test process with the same number left.
    m_hata = SunucudaCalistir(m_yonetici, {QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(ad()),
                                           QStringLiteral("CREATE DATABASE %1").arg(ad())});
}

SunucuVeritabani::~SunucuVeritabani()
{
    if (!m_ayarli || !m_hata.isEmpty())
        return;
    QStringList komutlar{QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(ad())};
    for (const QString& rol : m_roller)
        komutlar << QStringLiteral("DROP ROLE IF EXISTS %1").arg(rol);
    const QString hata = SunucudaCalistir(m_yonetici, komutlar);
    if (!hata.isEmpty())
        qWarning("test veritabanı silinemedi: %s", qPrintable(hata));
}

QString SunucuVeritabani::YeniRolAdi()
{
    m_roller << QStringLiteral("%1_rol%2").arg(ad()).arg(m_roller.size() + 1);
    return m_roller.last();
}

QString SunucuVeritabani::RolOlustur(const QString& parola)
{
    const QString rol = YeniRolAdi();
    QString sabit = parola;
    sabit.replace(u'\'', QLatin1String("''"));
    const QString hata = SunucudaCalistir(
        m_yonetici, {QStringLiteral("DROP ROLE IF EXISTS %1").arg(rol),
                     QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(rol, sabit)});
    if (!hata.isEmpty()) {
        qWarning("rol oluşturulamadı: %s", qPrintable(hata));
        return QString();
    }
    return rol;
}

QString SunucuVeritabani::Calistir(const QStringList& komutlar) const
{
    return SunucudaCalistir(m_adres, komutlar);
}
