#pragma once

#include "kernel/Hesap.h"

// What a row's figures hang on, as rows and the links to them; -1 where the project itself
// does. For a critical activity: the predecessor whose link sets its start (none: it starts at
// day 0 waiting for nothing) and the critical successor it holds up (none: it holds up the
// project finish). For one with float: the successor that sets its LF (none: the project
// finish does).
struct NedenSatirlari {
    int onceki = -1;
    int ardil = -1;
    int oncekiBagi = -1; // the links to them, numbered as in PlanAgi
    int ardilBagi = -1;
    // A critical activity whose start its finish sets (a link to its finish drives it, none to
    // its start) and which drives the critical path on from its start alone: lengthening it
    // pulls its start, and the path through it, earlier; shortening it delays the project.
    bool uzadikcaKisaltir = false;
};

NedenSatirlari NedenBul(const PlanAgi& ag, const Sonuc& s, int i);
