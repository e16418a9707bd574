#pragma once

#include "store/ProjeDeposu.h"

// What the whole application shares.
namespace DeğişkenModülü {

// The name of the one connection to Proje.mdb, opened once at start-up and kept,
// never closed explicitly, for the life of the process.
extern const QString VeritabanıBağlantısı;

// The store over that connection.
ProjeDeposu Veritabanı();

} // namespace DeğişkenModülü
