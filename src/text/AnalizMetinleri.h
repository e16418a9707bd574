#pragma once

#include "analysis/AgAnalizi.h"

#include <QString>
#include <QStringList>

// The analysis in Turkish with the CPM terms and the regional dates, as the window,
// the printed pages and the report write it: the table's cells, a bar's tool tip and the lines under the chart.
// A finish date is the last day of work (BitisTarihi in PlanKarsilastirmasi.h).
namespace AnalizMetinleri {

// The table's column headers, left to right.
const QStringList& Basliklar();
// Whether column `sutun` holds a figure (Süre to Serbest Bolluk), right-aligned as numbers are.
inline bool SayisalSutun(int sutun)
{
    return sutun >= 2 && sutun <= 8;
}
// A name another program stored may be of any length; headings and messages show this much of it.
inline constexpr int AdSiniri = 200;
// Row f's cell under header `sutun`.
QString Hucre(const FaaliyetAnalizi& f, int sutun);
// A bar's figures, one per line.
QString Ipucu(const FaaliyetAnalizi& f);
// Every critical path listed, the main window's one marked, then what is left and the note.
QString KritikYollar(const AgAnalizi& analiz);
// "ve N yol daha": the paths beyond those listed, N in decimal digits; empty when all are listed.
QString KalanYollar(const AgAnalizi& analiz);
// How many paths there are, and what that means for the main window's.
QString YolNotu(const AgAnalizi& analiz);
// Its line for path i: "2. A → C → D", with the mark when it is the main window's.
QString KritikYolSatiri(const AgAnalizi& analiz, int i);
// Why row i is critical or how far it may slip, in one short sentence: for a critical activity
// the predecessor whose finish sets its start and what it holds up; for one with float, the
// days and the successor (or the project finish) that sets its LF. Under a working-day
// calendar, the holidays in its own span that moved its finish follow in a sentence of their own.
QString Neden(const AgAnalizi& analiz, int i);
// "N gün pay", "N gün gecikme", or why there is no comparison; empty without figures.
QString PlanDurumu(const PlanKarsilastirmasi& plan);
// "Hesaplanamıyor: …", the main window's words for the analysis's fault; empty without one.
QString Hesaplanamiyor(const AgAnalizi& analiz);
// The computed finish against the project's own dates, then the holidays in the project's
// span that moved its finish, under a working-day calendar.
QString Plan(const AgAnalizi& analiz);

} // namespace AnalizMetinleri
