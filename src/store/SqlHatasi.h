#pragma once

#include "store/DepoHatasi.h"

#include <QSqlError>

// SQLite's extended code for a file that was renamed, deleted or replaced while open.
constexpr int TasinmisDosya = 1032;
// SQLite's extended code for a journal left by a writer that stopped mid-change, which
// a read-only connection cannot roll back.
constexpr int GeriAlinmamisYazma = 776;

// Turns an error of the SQLite driver into the number and plain Turkish text the user sees.
DepoHatasi SqlHatasi(const QSqlError& hata);

// The same for an SQLite result code (primary or extended) and the engine's own text,
// which goes to the details.
DepoHatasi MotorHatasi(int motorNumarasi, const QString& motor = QString());

// The same for a PostgreSQL server's SQLSTATE (empty: the connection failed) and its text.
DepoHatasi SunucuHatasi(const QString& durum, const QString& motor);
