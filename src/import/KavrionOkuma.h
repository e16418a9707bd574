#pragma once

#include "import/Aktarim.h"
#include "store/DepoHatasi.h"

// Each project of another Kavrion file comes whole, under its own name, its codes and
// predecessors as stored, with its estimates; one holding a value this file would not store (a text where
// a date or a number belongs) is offered with the reason it cannot come in.
// Opens the file read-only, reads every project with its activities in the order
// added, and closes it; the file is never written.
DepoHatasi KavrionDosyasiOku(const QString& yol, QVector<AktarilacakProje>& projeler);
