#pragma once

#include "export/Rapor.h"

#include <random>

// A plan as the dialogs make it, for round trips: 1 to 62 activities "A", "B", … of 0 to
// 30 days (about a third with an estimate around it), each after the first following one to three above it, named with texts
// that test a file format (quotes, separators, line breaks, formulas, apostrophes,
// Turkish letters, blanks), starting on a day of 2020 to 2029.
Rapor RastgelePlan(std::mt19937& uretec);

// Its activities as "code:name:duration:predecessors", one per line, as an import must give
// them back; each link that is not plain after them, " CBaBa2" (code, type, lag).
QString Ozeti(const QVector<Faaliyet>& faaliyetler);
QString Ozeti(const Rapor& rapor);

// Six activities whose twelve links take the four types with a lag of +2, none and −2 in
// turn, with an analysis that holds each link; `faaliyetler` gets them as an import must
// give them back.
Rapor BagliPlan(QVector<Faaliyet>& faaliyetler);
