#pragma once

#include "drawing/GorselCikti.h"
#include "plan/PlanBelgesi.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// "Dışa Aktar…" and "Yazdır…" for the project the document shows, from either
// window that offers them. (An ASCII name: moc reads the headers tests include.)
namespace DisaAktarim {

// The Gantt chart's formats, then the Risk tab's two charts as SVG and PNG, then the
// network diagram's, then the one-page status report of a project with a status date (each
// added last, so that the format remembered between runs keeps its number).
enum class Bicim { Csv, Svg, Png, Pdf, Xml, HistogramSvg, HistogramPng, KasirgaSvg, KasirgaPng, AgSvg, AgPng, AgPdf,
                   DurumPdf };

// Which plan a window shows during a trial: the plan stored or the trial. The dialogs
// offer the other too, and say which they write.
enum class Surum { Kayitli, Deneme };

// Asks for a file and its format (Qt's own save dialog), writes it safely and tells
// of a failure in one box. The database is only read, and never the target. `gosterilen`:
// what the window asking shows, which the dialog offers first during a trial. `risk`:
// the Risk tab's charts as shown now, none when no current result is shown (a risk
// format chosen then, or of the other plan, is refused with a box). `onerilen`: the format
// the dialog offers first, when the last one chosen was not of its kind (a Gantt, a risk or a
// network diagram format).
void DisaAktar(QWidget* sahibi, const PlanBelgesi& belge, Surum gosterilen,
               const std::optional<RiskGorseli>& risk = std::nullopt, std::optional<Bicim> onerilen = std::nullopt);

// What is printed: the report's pages (heading, table, Gantt chart), the network diagram's,
// or the one-page status report of a project with a status date.
enum class Sayfalar { Rapor, Ag, Durum };

// Qt's print dialog with a preview of the same pages as the PDF; during a trial it offers
// both plans, `gosterilen` first. Printing to a file that is the open plan's database (by
// any name or link) is refused with one box.
void Yazdir(QWidget* sahibi, const PlanBelgesi& belge, Surum gosterilen, Sayfalar sayfalar = Sayfalar::Rapor);

// The file named in the dialog, the format of the filter chosen there and, during a
// trial, the plan chosen (none: the one offered); nothing when it was cancelled.
struct Secim {
    QString yol;
    Bicim bicim = Bicim::Csv;
    std::optional<Surum> surum = std::nullopt;
};
// What is written for a name typed with a filter chosen: an extension of one of the
// chosen chart's formats picks that format (histogram.png with the histogram's SVG
// filter: its PNG), any other leaves the filter's format and the name as typed, and
// a name without one gets the filter's.
Secim Belirle(QString yol, Bicim suzgec);
// Replaces the save dialog, for tests; an empty function restores it. `sunulan`: the plan
// offered first during a trial, none outside one.
using Sorucu = std::function<std::optional<Secim>(QWidget* sahibi, const QString& onerilen, std::optional<Surum> sunulan)>;
void SorucuKur(Sorucu sorucu);

} // namespace DisaAktarim
