#pragma once

#include <QSqlDatabase>
#include <QString>

// Where the two engines Kavrion works on differ: an SQLite file, and a PostgreSQL
// server shared by a team. For src/store only.
namespace Lehce {

inline bool Sunucuda(const QSqlDatabase& vt)
{
    return vt.driverName() == QLatin1String("QPSQL");
}

// The column that names a row for the history: SQLite's rowid, which Kimlik is an alias
// of in Kavrion's own files; a server's Kimlik.
inline QString Satir(const QSqlDatabase& vt)
{
    return Sunucuda(vt) ? QStringLiteral("Kimlik") : QStringLiteral("rowid");
}

} // namespace Lehce
