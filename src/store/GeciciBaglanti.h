#pragma once

#include "store/ProjeDeposu.h"

#include <QSqlDatabase>

// A connection of its own to a database file for as long as it lives, under a name
// no other connection has: for a tool, a worker thread, a test or the benchmark.
class GeçiciBağlantı {
public:
    explicit GeçiciBağlantı(const QString& yol, ProjeDeposu::Açılış açılış = ProjeDeposu::Açılış::Denetle);
    ~GeçiciBağlantı();
    GeçiciBağlantı(const GeçiciBağlantı&) = delete;
    GeçiciBağlantı& operator=(const GeçiciBağlantı&) = delete;

    // Why it could not be opened; empty when it is open.
    const DepoHatası& hata() const { return m_hata; }
    ProjeDeposu depo() const { return ProjeDeposu(m_ad); }
    QSqlDatabase vt() const;

private:
    QString m_ad;
    DepoHatası m_hata;
};
