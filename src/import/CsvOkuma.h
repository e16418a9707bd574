#pragma once

#include "import/AktarimPlani.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

// A CSV of activities: Kavrion's own export, or what ProjectLibre, GanttProject,
// Microsoft Project or a spreadsheet wrote. UTF-8 (a byte-order mark is passed over);
// the separator (";", "," or tab, or Excel's "sep=" line) is the one under which the
// first record names the most known columns; RFC 4180 quoting. Columns are found by
// their header, in Turkish or English (the README lists the names); a name and a
// duration column are required. Durations are days or hours (8 a day) with a decimal
// comma or point; dates ISO, dd.MM.yyyy or `yerel`'s short form, one form a file.
// The project starts on the first activity's start less its ES where the file has
// both (Kavrion's export), else on the earliest start; it ends on the latest finish;
// without such columns both stay invalid. A CSV holds no calendar: the project comes
// in as "Her gün", and when the dates look counted in working days (none on a weekend,
// an activity spanning one in fewer days than its dates are apart) the reading says
// so, guessing nothing. A three-point estimate (İyimser, En Olası,
// Kötümser, or Microsoft Project's PERT fields) is three whole days in order or three
// empty cells. A cell that cannot be read, or an estimate that cannot be stored, stops
// the import naming its line (and column); it never becomes today or zero.
AktarimSonucu CsvOku(const QByteArray& icerik, const QLocale& yerel);
// The same for a file; the project is named after the file. Refuses a file larger
// than EnBuyukAktarimDosyasi by its size, without reading it.
AktarimSonucu CsvDosyasiOku(const QString& yol, const QLocale& yerel);
