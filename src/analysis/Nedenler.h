#pragma once

#include "kernel/Hesap.h"

// What a row's figures hang on, as rows; -1 where the project itself does. For a critical
// activity: the predecessor whose finish sets its start (none: it starts at day 0 waiting for
// nothing) and the critical successor it holds up (none: it holds up the project finish). For
// one with float: the successor that sets its LF (none: the project finish does).
struct NedenSatirlari {
    int onceki = -1;
    int ardil = -1;
};

NedenSatirlari NedenBul(const PlanAgi& ag, const Sonuc& s, int i);
