#pragma once

#include "drawing/ResimBasligi.h"
#include "risk/RiskHesabi.h"

#include <QFont>
#include <QRectF>
#include <QStringList>

class QPainter;

// What a painting drew, for tests that count rather than read pixels.
struct RiskCizimSayimi {
    int sutun = 0; // histogram columns with iterations in them, or tornado bars
    int cizgi = 0; // percentile and plan lines
};

// The histogram of the finish F over the simulation's iterations, a column per bin of
// whole days (or wider, at most 60 columns), the cumulative share as a curve over it
// (its scale on the right, 0–100%), and vertical lines at P10, P50, P80, P90 and at the
// plan's own F, captioned above the chart clear of each other (one caption for lines
// that fall together). Paints nothing without figures.
RiskCizimSayimi HistogramCiz(QPainter& boyaci, const QRectF& alan, const RiskSonucu& sonuc, const QFont& yazi);

// The tornado of the sensitivities: the activities by the size of their rank
// correlation with F, largest at the top, at most `enCok`, a bar to the right for a
// positive one and to the left for a negative one, each captioned with its code.
RiskCizimSayimi KasirgaCiz(QPainter& boyaci, const QRectF& alan, const RiskSonucu& sonuc, const QStringList& kodlar,
                           const QFont& yazi, int enCok = 15);

// What each chart's marks mean, for a picture read without Kavrion beside it.
QVector<ResimBasligi::Oge> HistogramLejanti(const RiskSonucu& sonuc);
QVector<ResimBasligi::Oge> KasirgaLejanti();
