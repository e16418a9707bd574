#pragma once

#include "store/DepoHatasi.h"

#include <QSqlDatabase>
#include <QString>

// A connection to a PostgreSQL server: what it sets up as it opens, and its coming back
// after the server was lost. Connections to a file are not noted and pass untouched.
namespace SunucuBaglantisi {

struct Ayarlar {
    QString sahip;             // whose steps its writes are, in the shared history
    bool saltOkunur = false;   // every transaction read-only
    bool denetlenir = true;    // the schema and its version checked as it opens
};

// Opens `vt` (its address already set), sets the session up and notes the connection
// under its name, so that a lost one is opened again by the next command.
DepoHatasi Ac(QSqlDatabase vt, const Ayarlar& ayarlar);
// Forgets the connection, as it is closed.
void Unut(const QString& baglanti);

// Before a command: a connection lost since is opened again and set up as at first.
DepoHatasi Hazirla(const QString& baglanti);
// After a command that failed: when the server can no longer be reached the
// connection is closed, for the next command to open again, and the failure says so.
DepoHatasi Sonuc(const QString& baglanti, DepoHatasi hata);

// Asks the server to announce every change to this connection (the store's
// announcements, Sema::Duyuru), again after each reconnection.
void DuyurulariDinle(const QString& baglanti);

} // namespace SunucuBaglantisi
