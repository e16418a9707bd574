#pragma once

#include "drawing/GanttCizimi.h"
#include "export/Rapor.h"

#include <QFont>

class QPagedPaintDevice;

// The chart's measures in a file: a day width that keeps a long plan readable and a
// short one from stretching.
GanttÖlçeği DosyaÖlçeği(const Rapor& rapor, const QFont& yazı);

// The report on A4 landscape pages of `aygıt` (a PDF writer or a printer): a heading
// with the project's name, dates, finish and critical paths; the analysis table with
// its header on every page; then the Gantt chart over as many pages as its rows need.
void RaporuSayfalaraÇiz(QPagedPaintDevice& aygıt, const Rapor& rapor, const QFont& yazı);
