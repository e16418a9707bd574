#pragma once

#include "drawing/AgCizimi.h"
#include "export/Rapor.h"

#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QVector>
#include <functional>

class QPagedPaintDevice;
class QPaintDevice;

// The report's network diagram in a file's font (DosyaYazisi), under the report's title and legend.
AgCizimi AgRaporCizimi(const Rapor& rapor, const QFont& yazi);

// How a diagram goes onto pages: whole on one, reduced when need be but not below
// readability; else cut at `olcek` into pages (at most 400, the diagram reduced further to
// fit them), after a first page, the page map, that shows the whole diagram reduced with
// each page's part and number on it. The cuts run between the columns of boxes and, within
// each such strip, between their rows, so that no box is cut in two.
struct AgSayfaPlani {
    double olcek = 1;
    // The pages after the page map, in page order (a row of strips after another): the
    // part of the drawing each shows, in the drawing's units. None on one page.
    QVector<QRectF> parcalar;
    bool haritali() const { return !parcalar.isEmpty(); }
    int SayfaSayisi() const { return haritali() ? int(parcalar.size()) + 1 : 1; }
};
// The plan for `cizim` on pages whose printable part is `alan`, in points.
AgSayfaPlani AgSayfalariniPlanla(const AgCizimi& cizim, const QSizeF& alan);

// The network diagram on the pages of `aygit` (a PDF writer or a printer, in the layout
// it was given), with each page's number at its foot; a network that cannot be computed
// gives its explanation on one page.
void AgiSayfalaraCiz(QPagedPaintDevice& aygit, const Rapor& rapor, const QFont& yazi);
// The same pages on any device in `duzen`, `yeniSayfa` turning to the next one.
void AgiSayfalaraCiz(QPaintDevice& aygit, const QPageLayout& duzen, const std::function<void()>& yeniSayfa,
                     const Rapor& rapor, const QFont& yazi);
