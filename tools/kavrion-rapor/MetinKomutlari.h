#pragma once

#include "KomutSatiri.h"

// Runs projeler, çizelge, xml or risk, which need Qt Core alone, and gives the exit status.
// A QCoreApplication must exist.
int MetinKomutunuCalistir(const RaporKomutu& komut);
