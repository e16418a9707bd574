#pragma once

#include "risk/RiskHesabi.h"

#include <QFont>
#include <QRectF>
#include <QStringList>

class QPainter;

// What a painting drew, for tests that count rather than read pixels.
struct RiskCizimSayimi {
    int sutun = 0; // histogram columns, or tornado bars
    int cizgi = 0; // percentile and plan lines
};

// The histogram of the finish F over the simulation's iterations, a column per bin of
// whole days (or wider, at most 60 columns), the cumulative share as a curve over it
// (its scale on the right, 0–100%), and vertical lines at P10, P50, P80, P90 and at the
// plan's own F, each captioned. Paints nothing without figures.
RiskCizimSayimi HistogramCiz(QPainter& boyaci, const QRectF& alan, const RiskSonucu& sonuc, const QFont& yazi);

// The tornado of the sensitivities: the activities by the size of their rank
// correlation with F, largest at the top, at most `enCok`, a bar to the right for a
// positive one and to the left for a negative one, each captioned with its code.
RiskCizimSayimi KasirgaCiz(QPainter& boyaci, const QRectF& alan, const RiskSonucu& sonuc, const QStringList& kodlar,
                           const QFont& yazi, int enCok = 15);
