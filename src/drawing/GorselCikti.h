#pragma once

#include "export/Rapor.h"
#include "drawing/RiskResmi.h"

#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QStringList>
#include <functional>

class QPdfWriter;

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

// A PDF of the project's pages in `duzen`, `ciz` drawing them.
QByteArray PdfYaz(const Rapor& rapor, const QPageLayout& duzen, const std::function<void(QPdfWriter&)>& ciz);

// The network diagram with its title and legend: SVG and PNG as one picture, PDF on A4
// pages (AgSayfalari.h). A network that cannot be computed gives its explanation.
QByteArray AgGorseliYaz(const Rapor& rapor, GorselBicim bicim, const QFont& yazi);

// One of the charts as an SVG or PNG file (Pdf gives nothing), drawn as RiskResmi
// draws it, of `proje`'s simulation.
QByteArray RiskGorseliYaz(const RiskGorseli& gorsel, RiskCizimTuru tur, GorselBicim bicim, const QFont& yazi,
                          const KayitliProje& proje);
