#pragma once

#include "drawing/AgCizimi.h"
#include "export/Rapor.h"

#include <QFont>
#include <QPageLayout>
#include <QSizeF>
#include <functional>

class QPagedPaintDevice;
class QPaintDevice;

// The report's network diagram in a file's font (DosyaYazisi), under the report's title and legend.
AgCizimi AgRaporCizimi(const Rapor& rapor, const QFont& yazi);

// How a diagram goes onto pages: whole on one, reduced when need be but not below
// readability; else cut into a grid of pages at `olcek`, after a first page, the page map,
// that shows the whole diagram reduced with the grid and each page's number on it.
struct AgSayfaPlani {
    double olcek = 1;
    int sutun = 1, satir = 1;
    bool haritali() const { return sutun * satir > 1; }
    int SayfaSayisi() const { return haritali() ? sutun * satir + 1 : 1; }
};
// The plan for a diagram of `boyut` on pages whose printable part is `alan`, both in points.
AgSayfaPlani AgSayfalariniPlanla(const QSizeF& boyut, const QSizeF& alan);

// The network diagram on the pages of `aygit` (a PDF writer or a printer, in the layout
// it was given), with each page's number at its foot; a network that cannot be computed
// gives its explanation on one page.
void AgiSayfalaraCiz(QPagedPaintDevice& aygit, const Rapor& rapor, const QFont& yazi);
// The same pages on any device in `duzen`, `yeniSayfa` turning to the next one.
void AgiSayfalaraCiz(QPaintDevice& aygit, const QPageLayout& duzen, const std::function<void()>& yeniSayfa,
                     const Rapor& rapor, const QFont& yazi);
