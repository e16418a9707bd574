#pragma once

#include <QtGlobal>

// An activity's three-point estimate in whole days: 0 ≤ iyimser ≤ olasi ≤ kotumser.
struct UcNoktaTahmini {
    qint32 iyimser = 0, olasi = 0, kotumser = 0;
};

// How a duration is drawn between its optimistic and pessimistic estimate: triangular,
// or beta-PERT with λ = 4 (mean (a + 4m + b) / 6).
enum class Dagilim { Ucgen, Pert };
