#pragma once

#include "store/DepoHatasi.h"
#include "store/ProjeDeposu.h"

#include <QString>

// What the about box says of the database: the file the store works on and the
// version of the SQLite engine that reads it.
struct DepoBilgisi {
    QString yol;
    QString sqliteSurumu;
};

DepoHatasi DepoBilgisiniOku(const ProjeDeposu& depo, DepoBilgisi& bilgi);
