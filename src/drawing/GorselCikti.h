#pragma once

#include "export/Rapor.h"

#include <QByteArray>
#include <QFont>

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
