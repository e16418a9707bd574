#pragma once

#include "AktarmaKomutu.h"

// Reads komut.girdi as the window's import does, checks it by the same rules and writes
// every project that can come in as one undoable step; the report goes to standard
// output. Gives back the exit status: a refusal has written its reason on standard
// error and nothing in the database.
int Aktar(const AktarmaKomutu& komut);
