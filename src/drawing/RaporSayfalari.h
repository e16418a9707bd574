#pragma once

#include "drawing/GanttCizimi.h"
#include "export/Rapor.h"

#include <QFont>
#include <QPageLayout>
#include <functional>

class QPagedPaintDevice;
class QPaintDevice;

// The font a file's pictures are measured and drawn in: `yazi` in pixels, so that a
// picture's pixels and a page's points come out alike.
QFont DosyaYazisi(const QFont& yazi);

// The chart's measures in a file: a day width that keeps a long plan readable and a
// short one from stretching.
GanttOlcegi DosyaOlcegi(const Rapor& rapor, const QFont& yazi);

// The title of the report's pictures: the project's name, the trial's mark during one, its dates.
QStringList RaporBasligi(const Rapor& rapor);

// The report's chart at that scale: the analysis from the project's start, with its estimated end.
GanttCizimi RaporCizimi(const Rapor& rapor, const GanttOlcegi& olcek);

// A4 landscape: the table's twelve columns need the width.
QPageLayout RaporSayfaDuzeni();

// The report on the pages of `aygit` (a PDF writer or a printer, in the layout it was given): a heading
// with the project's name, dates, finish and critical paths; the analysis table with
// its header on every page; then the Gantt chart over as many pages as its rows need.
void RaporuSayfalaraCiz(QPagedPaintDevice& aygit, const Rapor& rapor, const QFont& yazi);
// The same pages on any device in `duzen`, `yeniSayfa` turning to the next one: what a test reads back.
void RaporuSayfalaraCiz(QPaintDevice& aygit, const QPageLayout& duzen, const std::function<void()>& yeniSayfa,
                        const Rapor& rapor, const QFont& yazi);
