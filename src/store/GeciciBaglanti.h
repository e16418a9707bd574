#pragma once

#include "store/ProjeDeposu.h"

#include <QSqlDatabase>

// A connection of its own to a database file for as long as it lives, under a name
// no other connection has: for a tool, a worker thread, a test or the benchmark.
class GeciciBaglanti {
public:
    explicit GeciciBaglanti(const QString& yol, ProjeDeposu::Acilis acilis = ProjeDeposu::Acilis::Denetle);
    // The same on a PostgreSQL server; `sahip` as ProjeDeposu::SunucuyaBaglan takes it.
    explicit GeciciBaglanti(const SunucuAdresi& adres, ProjeDeposu::Acilis acilis = ProjeDeposu::Acilis::Denetle,
                            const QString& sahip = QString());
    ~GeciciBaglanti();
    GeciciBaglanti(const GeciciBaglanti&) = delete;
    GeciciBaglanti& operator=(const GeciciBaglanti&) = delete;

    // Why it could not be opened; empty when it is open.
    const DepoHatasi& hata() const { return m_hata; }
    ProjeDeposu depo() const { return ProjeDeposu(m_ad); }
    QSqlDatabase vt() const;
    // For a connection that reads once and closes: a page cache of 64 KiB instead of
    // SQLite's 2 MiB, whose pages would stay in the heap of the thread that read after the
    // connection has closed. Nothing on a server, or when it is not open.
    void TekOkumalik() const;

private:
    QString m_ad;
    DepoHatasi m_hata;
};
