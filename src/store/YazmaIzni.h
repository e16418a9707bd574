#pragma once

#include "store/DepoHatasi.h"

class QSqlDatabase;

// Refuses, as SQLite would at start-up, when the database file has been made
// read-only since it was opened. SQLite keeps writing through the descriptor it
// opened with write access, so without this a file the user has just protected
// would still be changed.
DepoHatasi YazmaIzniniDenetle(const QSqlDatabase& vt);
