#pragma once

#include "store/DepoHatasi.h"

#include <QSqlDatabase>

#include <QStringList>

// The two tables of Proje.mdb, the two of its undo history, the estimates' table, the
// projects' distributions and their calendars. PRAGMA user_version tells them apart: 0 for
// a file with the first two only, 1 with the history, 2 with the estimates too, 3 with the
// distributions, 4 with the calendars, 5 with the links that are not plain, 6 with progress
// and baselines.
namespace Sema {

struct Tablo {
    const char* ad;
    QStringList sutunlar;
    // Each column's type on a PostgreSQL server, where the history's images are texts
    // and a column takes back only a value of its own type.
    QStringList sunucuTurleri;
    // The column that files a row under its project, which a server's announcements name.
    const char* projeSutunu;
};

// ProjeTablosu, FaaliyetlerTablosu, TahminlerTablosu, DagilimTablosu, TakvimTablosu,
// TakvimIstisnalariTablosu, BaglarTablosu, DurumTablosu, IlerlemeTablosu, TabanPlanlariTablosu
// and TabanSatirlariTablosu with every column the application reads, in
// the order the history's images keep them; their index is their number in the history. Every file has
// the first two; the third comes with user_version 2, the fourth with 3, the calendar's two
// with 4, the links' with 5, progress and baselines' four with 6.
extern const Tablo Tablolar[11];
constexpr int ZorunluTabloSayisi = 2;

// The newest user_version this build writes; a file of a newer one is only read.
constexpr int Surum = 6;

// Creates every table in an empty database, in one transaction, at Surum, and runs
// `ekler` in the same transaction (a server's role).
DepoHatasi Kur(QSqlDatabase& vt, const QStringList& ekler = {});

// The statements that take a file of user_version `surum` to Surum: the tables and
// indexes it lacks, and the version. Run by the first recorded write, in its own
// transaction.
QStringList GocKomutlari(int surum);

// Tells whether the database holds the two tables with every column the application reads.
DepoHatasi Denetle(QSqlDatabase& vt);

// The schema's version: PRAGMA user_version in a file, a table of its own on a server.
DepoHatasi SurumuOku(const QSqlDatabase& vt, int& surum);

// On a PostgreSQL server, whose schema is made once by veritabani-olustur: the tables
// at Surum, the history with each step's owner, the triggers that file a step's rows
// and announce every change (NOTIFY kavrion, "table:project"), and the version.
QStringList SunucuKurulumu();
// The statements that take a server's schema at an older version to Surum: every table of
// it the server lacks (`varOlanlar`, in lower case as the server keeps them) with its
// indexes and triggers, the grants to write them for each of `roller`, and the version.
QStringList SunucuGuncellemesi(const QStringList& varOlanlar, const QStringList& roller);
// Runs them in one transaction, for the roles that may write the projects' table: the
// version found in `bulunan`; a schema at Surum is left as it is, a newer one refused.
DepoHatasi SunucuyuGuncelle(QSqlDatabase& vt, int& bulunan);
// A login role `rol` that may read and write those tables and nothing else.
QStringList SunucuRolu(const QString& rol);
// The announcements' channel.
inline constexpr char Duyuru[] = "kavrion";

} // namespace Sema
