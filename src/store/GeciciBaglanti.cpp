#include "store/GeciciBaglanti.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <QUuid>

GeciciBaglanti::GeciciBaglanti(const QString& yol, ProjeDeposu::Acilis acilis)
    : m_ad(QUuid::createUuid().toString(QUuid::WithoutBraces)),
      m_hata(ProjeDeposu::Ac(yol, m_ad, acilis))
{
}

GeciciBaglanti::GeciciBaglanti(const SunucuAdresi& adres, ProjeDeposu::Acilis acilis, const QString& sahip)
    : m_ad(QUuid::createUuid().toString(QUuid::WithoutBraces)),
      m_hata(ProjeDeposu::SunucuyaBaglan(adres, m_ad, acilis, sahip))
{
}

GeciciBaglanti::~GeciciBaglanti()
{
    if (!m_hata)
        ProjeDeposu::Kapat(m_ad);
}

QSqlDatabase GeciciBaglanti::vt() const
{
    return QSqlDatabase::database(m_ad, false);
}

void GeciciBaglanti::TekOkumalik() const
{
    if (!m_hata && vt().driver()->dbmsType() == QSqlDriver::SQLite)
        QSqlQuery(vt()).exec(QStringLiteral("PRAGMA cache_size = -64"));
}
