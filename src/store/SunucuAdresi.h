#pragma once

#include "store/DepoHatasi.h"

#include <QList>
#include <QPair>
#include <QString>

class QSqlDatabase;

// Where a PostgreSQL server is and how to reach it, as given to `--sunucu` or the
// "Sunucuya Bağlan" dialog. An empty field was not given: libpq then takes its own
// default (PGHOST, PGPORT, PGUSER…), as it does for a key left out.
struct SunucuAdresi {
    QString sunucu;     // host: a name, an address or a socket folder; "a,b" for several
    QString port;       // "5432"; "5432,5433" with several hosts
    QString veritabani; // dbname
    QString kullanici;  // user
    QString sslKipi;    // sslmode: disable, allow, prefer, require, verify-ca or verify-full
    QString parola;     // password: used to connect, never shown, never remembered
    // Every other libpq key (passfile, connect_timeout, sslrootcert…), in the order
    // given; the last of a key given twice wins, in the first one's place, as in libpq.
    QList<QPair<QString, QString>> digerleri;

    bool operator==(const SunucuAdresi& diger) const;
    bool operator!=(const SunucuAdresi& diger) const { return !(*this == diger); }
};

// Reads a libpq connection string ("host=/tmp/x port=5433 dbname=plan user=ali", values
// in single quotes with backslash escapes) or a URI ("postgresql://ali@db:5433/plan?sslmode=require",
// percent-encoded, an IPv6 address in brackets, a socket folder as %2F…) by libpq's rules.
// Refuses, with DepoHatasi::Uyumsuz and a Turkish reason that never quotes a password:
// malformed text, a key Kavrion sets itself (options, replication), a bad port or sslmode,
// and a value that cannot reach libpq whole (see SunucuAdresiniDenetle). Keys it does not
// know go to `digerleri` for libpq to judge. Surrounding white space is ignored; an
// empty text is the default connection. `adres` is changed only on success.
DepoHatasi SunucuAdresiniOku(const QString& metin, SunucuAdresi& adres);

// The same checks for an address put together elsewhere (the dialog): well-formed keys in
// `digerleri` not already a field of their own, a port list of 1–65535, a known sslmode, no
// NUL character, and no ';' in what Qt hands over as connect options (all but host, dbname,
// user and password), since Qt's driver turns every ';' there into a space.
DepoHatasi SunucuAdresiniDenetle(const SunucuAdresi& adres);

// Whether a key of `digerleri` is as secret as the password (sslpassword, a SCRAM key):
// handed to libpq, never shown or kept.
bool GizliAnahtar(const QString& anahtar);
// The address less its password and secrets: what KalinacakAdres keeps.
SunucuAdresi GizlisizAdres(SunucuAdresi adres);

// The connection as boxes, the about box and logs show it: key=value pairs without the
// password or any other secret (sslpassword); "varsayılan bağlantı" when nothing is given.
QString GosterilecekAdres(const SunucuAdresi& adres);

// The key/value string to keep in the settings: everything but the password and other
// secrets, which SunucuAdresiniOku reads back to the same address.
QString KalinacakAdres(const SunucuAdresi& adres);

// Sets host, port, database, user and password on a QPSQL connection and hands the rest
// over as connect options, quoted so spaces and quotes survive; adds application_name=Kavrion
// and connect_timeout=5 (so a dead server fails in seconds) unless the address gives them.
// Refuses what SunucuAdresiniDenetle refuses, leaving `vt` as it was.
DepoHatasi BaglantiyaUygula(const SunucuAdresi& adres, QSqlDatabase& vt);
