#pragma once

#include "analysis/AgAnalizi.h"

#include <QString>
#include <QStringList>

// The analysis in Turkish with the CPM terms and the regional dates, as the window,
// the printed pages and the report write it: the table's cells, a bar's tool tip and the lines under the chart.
namespace AnalizMetinleri {

// The table's column headers, left to right.
const QStringList& Başlıklar();
// Whether column `sütun` holds a figure (Süre to Serbest Bolluk), right-aligned as numbers are.
inline bool SayısalSütun(int sütun)
{
    return sütun >= 2 && sütun <= 8;
}
// A name another program stored may be of any length; headings and messages show this much of it.
inline constexpr int AdSınırı = 200;
// Row f's cell under header `sütun`.
QString Hücre(const FaaliyetAnalizi& f, int sütun);
// A bar's figures, one per line.
QString İpucu(const FaaliyetAnalizi& f);
// Every critical path listed, the main window's one marked, then what is left and the note.
QString KritikYollar(const AğAnalizi& analiz);
// The computed finish against the project's own dates.
QString Plan(const AğAnalizi& analiz);

} // namespace AnalizMetinleri
