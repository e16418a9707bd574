#pragma once

#include "store/ProjeDeposu.h"

// What the whole application shares.
namespace DegiskenModulu {

// The name of the one connection to Proje.mdb, opened once at start-up and kept,
// never closed explicitly, for the life of the process.
extern const QString VeritabaniBaglantisi;

// The store over that connection.
ProjeDeposu Veritabani();

} // namespace DegiskenModulu
