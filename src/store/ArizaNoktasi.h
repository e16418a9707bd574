#pragma once

#include "store/DepoHatasi.h"

#include <functional>

// A failure planted for a test (an ASCII name: moc reads the headers tests include): the store's n-th statement from now is not run and
// gives this error instead, as a failing disk or a lock would. Everything the store
// runs counts: reads, writes, BEGIN and COMMIT. Holds across connections and threads.
namespace ArizaNoktasi {

// sıra 1 is the next statement.
void Kur(int sira, DepoHatasi hata);
// Another program's write landing at that moment instead: `eylem` runs just before the
// n-th statement, which then runs as usual. What `eylem` itself runs is not counted.
void ArayaGir(int sira, std::function<void()> eylem);
void Kaldir();

// Called by the store before each statement: the planted error when its turn has come.
DepoHatasi Siradaki();

} // namespace ArizaNoktasi
