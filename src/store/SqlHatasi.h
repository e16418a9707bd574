#pragma once

#include "store/DepoHatasi.h"

#include <QSqlError>

// Turns an error of the SQLite driver into the number and plain Turkish text the user sees.
DepoHatası SqlHatası(const QSqlError& hata);
