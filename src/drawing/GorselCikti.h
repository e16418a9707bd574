#pragma once

#include "export/Rapor.h"
#include "risk/RiskHesabi.h"

#include <QByteArray>
#include <QFont>
#include <QStringList>

// The files a plan leaves the program in as pictures and pages, drawn by the same
// chart code as the analysis window.
enum class GorselBicim {
    Svg, // the Gantt chart as a vector drawing
    Png, // the Gantt chart as an image
    Pdf, // the heading, the table and the chart on A4 pages
};

// The file's contents, written with `yazi` (the window's font, or the default one).
// A network that cannot be computed gives its explanation in place of the chart.
QByteArray GorselYaz(const Rapor& rapor, GorselBicim bicim, const QFont& yazi);

// The simulation's charts as the Risk tab shows them: its result, and the activities'
// codes in stored order for the tornado's captions.
struct RiskGorseli {
    RiskSonucu sonuc;
    QStringList kodlar;
};

enum class RiskCizimTuru {
    Histogram, // the finish's histogram with its cumulative curve and the P-lines
    Kasirga,   // the tornado of the sensitivities
};

// One of the charts as an SVG or PNG file (Pdf gives nothing), drawn by the code the
// Risk tab draws with; `baslik` (the project's name) is the drawing's title.
QByteArray RiskGorseliYaz(const RiskGorseli& gorsel, RiskCizimTuru tur, GorselBicim bicim, const QFont& yazi,
                          const QString& baslik);
