#pragma once

#include "drawing/GanttCizimi.h"
#include "export/Rapor.h"

#include <QFont>
#include <QPageLayout>

class QPagedPaintDevice;

// The chart's measures in a file: a day width that keeps a long plan readable and a
// short one from stretching.
GanttÖlçeği DosyaÖlçeği(const Rapor& rapor, const QFont& yazı);

// The report's chart at that scale: the analysis from the project's start, with its estimated end.
GanttÇizimi RaporÇizimi(const Rapor& rapor, const GanttÖlçeği& ölçek);

// A4 landscape: the table's twelve columns need the width.
QPageLayout RaporSayfaDüzeni();

// The report on the pages of `aygıt` (a PDF writer or a printer, in the layout it was given): a heading
// with the project's name, dates, finish and critical paths; the analysis table with
// its header on every page; then the Gantt chart over as many pages as its rows need.
void RaporuSayfalaraÇiz(QPagedPaintDevice& aygıt, const Rapor& rapor, const QFont& yazı);
