#include "store/GeciciBaglanti.h"

#include <QUuid>

GeçiciBağlantı::GeçiciBağlantı(const QString& yol, ProjeDeposu::Açılış açılış)
    : m_ad(QUuid::createUuid().toString(QUuid::WithoutBraces)),
      m_hata(ProjeDeposu::Aç(yol, m_ad, açılış))
{
}

GeçiciBağlantı::~GeçiciBağlantı()
{
    if (!m_hata)
        ProjeDeposu::Kapat(m_ad);
}

QSqlDatabase GeçiciBağlantı::vt() const
{
    return QSqlDatabase::database(m_ad, false);
}
