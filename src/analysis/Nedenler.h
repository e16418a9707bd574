#pragma once

#include "analysis/Ag.h"

// Why row i is critical or how far it may slip, in one short Turkish sentence: for a
// critical activity the predecessor whose finish sets its start and what it holds up;
// for one with float, the days and the successor (or the project finish) that sets its LF.
QString NedenKritik(const PlanAgi& ag, const Sonuc& s, const QVector<KayitliFaaliyet>& satirlar, int i);
