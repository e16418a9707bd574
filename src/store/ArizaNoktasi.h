#pragma once

#include "store/DepoHatasi.h"

// A failure planted for a test (an ASCII name: moc reads the headers tests include): the store's n-th statement from now is not run and
// gives this error instead, as a failing disk or a lock would. Everything the store
// runs counts: reads, writes, BEGIN and COMMIT. Holds across connections and threads.
namespace ArizaNoktasi {

// sıra 1 is the next statement.
void Kur(int sira, DepoHatasi hata);
void Kaldir();

// Called by the store before each statement: the planted error when its turn has come.
DepoHatasi Siradaki();

} // namespace ArizaNoktasi
