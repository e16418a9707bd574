#pragma once

#include "store/DepoHatasi.h"

#include <QSqlDatabase>

// The two tables of Proje.mdb.
namespace Şema {

// Creates both tables in an empty database, in one transaction.
DepoHatası Kur(QSqlDatabase& vt);

// Tells whether the database holds both tables with every column the application reads.
DepoHatası Denetle(QSqlDatabase& vt);

} // namespace Şema
