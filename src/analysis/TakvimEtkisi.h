#pragma once

#include "analysis/AgAnalizi.h"

#include <QDate>

// What a change of calendar does to a computed plan, from its analyses with the old and
// the new calendar: the activities whose dates move and where the project's finish goes.
struct TakvimEtkisi {
    bool hesaplandi = false; // both analyses have dates: no fault, and a start date
    int kayanFaaliyet = 0;   // activities whose start or finish date differs
    QDate eskiBitis, yeniBitis;
    // The finish's move in working days of the new calendar: later above zero, earlier below.
    qint64 bitisKaymasi = 0;
};

TakvimEtkisi TakvimEtkisiniHesapla(const AgAnalizi& eski, const AgAnalizi& yeni);
