#pragma once

#include "store/DepoHatasi.h"

#include <QSqlDatabase>

// The two tables of Proje.mdb.
namespace Sema {

// Creates both tables in an empty database, in one transaction.
DepoHatasi Kur(QSqlDatabase& vt);

// Tells whether the database holds both tables with every column the application reads.
DepoHatasi Denetle(QSqlDatabase& vt);

} // namespace Sema
