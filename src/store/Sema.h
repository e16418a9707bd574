#pragma once

#include "store/DepoHatasi.h"

#include <QSqlDatabase>

#include <QStringList>

// The two tables of Proje.mdb, the two of its undo history, the estimates' table and
// the projects' distributions. PRAGMA user_version tells them apart: 0 for a file with
// the first two only, 1 with the history, 2 with the estimates too, 3 with the distributions.
namespace Sema {

struct Tablo {
    const char* ad;
    QStringList sutunlar;
};

// ProjeTablosu, FaaliyetlerTablosu, TahminlerTablosu and DagilimTablosu with every
// column the application reads, in the order the history's images keep them; their
// index is their number in the history. Every file has the first two; the third comes
// with user_version 2, the fourth with 3.
extern const Tablo Tablolar[4];
constexpr int ZorunluTabloSayisi = 2;

// The newest user_version this build writes; a file of a newer one is only read.
constexpr int Surum = 3;

// Creates every table in an empty database, in one transaction, at Surum.
DepoHatasi Kur(QSqlDatabase& vt);

// The statements that take a file of user_version `surum` to Surum: the tables and
// indexes it lacks, and the version. Run by the first recorded write, in its own
// transaction.
QStringList GocKomutlari(int surum);

// Tells whether the database holds the two tables with every column the application reads.
DepoHatasi Denetle(QSqlDatabase& vt);

} // namespace Sema
