#pragma once

#include "store/DepoHatasi.h"

#include <QSqlDatabase>

#include <QStringList>

// The two tables of Proje.mdb, and the two of its undo history. PRAGMA user_version
// tells the history apart: 0 for a file without it, 1 with it.
namespace Sema {

struct Tablo {
    const char* ad;
    QStringList sutunlar;
};

// ProjeTablosu and FaaliyetlerTablosu with every column the application reads, in the
// order the history's images keep them; their index is their number in the history.
extern const Tablo Tablolar[2];

// The newest user_version this build writes; a file of a newer one is only read.
constexpr int Surum = 1;

// Creates all four tables in an empty database, in one transaction, at Surum.
DepoHatasi Kur(QSqlDatabase& vt);

// The statements that take a file of user_version 0 to 1: the history's tables, its
// index and the version. Run by the first recorded write, in its own transaction.
QStringList GecmisKomutlari();

// Tells whether the database holds both tables with every column the application reads.
DepoHatasi Denetle(QSqlDatabase& vt);

} // namespace Sema
