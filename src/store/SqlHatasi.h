#pragma once

#include "store/DepoHatasi.h"

#include <QSqlError>

// Turns an error of the SQLite driver into the number and plain Turkish text the user sees.
DepoHatası SqlHatası(const QSqlError& hata);

// The same for an SQLite result code (primary or extended) and the engine's own text,
// which is added in brackets when there is one.
DepoHatası MotorHatası(int motorNumarası, const QString& motor = QString());
