#pragma once

#include "store/Kayitlar.h" // UcNoktaTahmini, as the file keeps it

// How a duration is drawn between its optimistic and pessimistic estimate: triangular,
// or beta-PERT with λ = 4 (mean (a + 4m + b) / 6).
enum class Dagilim { Ucgen, Pert };
