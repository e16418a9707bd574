#pragma once

#include "KomutSatiri.h"

// Runs projeler, çizelge or xml, which need Qt Core alone, and gives the exit status.
// A QCoreApplication must exist.
int MetinKomutunuCalistir(const RaporKomutu& komut);
