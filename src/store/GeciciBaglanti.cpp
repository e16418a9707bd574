#include "store/GeciciBaglanti.h"

#include <QUuid>

GeciciBaglanti::GeciciBaglanti(const QString& yol, ProjeDeposu::Acilis acilis)
    : m_ad(QUuid::createUuid().toString(QUuid::WithoutBraces)),
      m_hata(ProjeDeposu::Ac(yol, m_ad, acilis))
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
