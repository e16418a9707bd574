#pragma once

#include <QString>

// Why a plan cannot be computed: the first fault found, in row order.
enum class PlanHatasi : quint8 {
    Yok,
    FaaliyetYok,           // the project has no activities
    SureSayiDegil,         // the row's duration is a text another program left
    BosOnceki,             // the row's predecessor list names an empty code
    KendiOncekisi,         // the row names itself
    SonrakiOnceki,         // the row names a code stored only below it
    TanimsizOnceki,        // the row names a code no row has
    BitisSinirDisi,        // the row's EF leaves the 32-bit range
    EnErkenSinirDisi,      // the project's earliest finish day count does (no row)
    EnGecBitisSinirDisi,   // the row's LF does
    EnGecBaslamaSinirDisi, // its LS
    ToplamBollukSinirDisi, // its total float
};

struct HataYeri {
    PlanHatasi tur = PlanHatasi::Yok;
    int satir = -1; // the row it concerns; -1 for none
    QString kod;    // the predecessor code a predecessor fault names, as listed

    bool Var() const { return tur != PlanHatasi::Yok; }
};
