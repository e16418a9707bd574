#pragma once

#include "export/Rapor.h"

#include <QByteArray>
#include <QLocale>

// The analysis table as CSV for a spreadsheet: UTF-8 with a byte-order mark, the
// Turkish column names as its first row (the table's, then "Öncekiler": the predecessors'
// codes, "A,C", a link that is not plain finish-to-start followed by its type and lag in
// plain digits, "A,C BaBa+2", "C BB-2", and "İyimser", "En Olası", "Kötümser": the estimate in whole days, empty
// without one, so that the import reads the plan back), RFC 4180 quoting and CRLF line ends. The
// separator is ";" where `yerel` writes decimals with a comma (a spreadsheet there
// reads "," as a decimal point) and "," elsewhere. Dates are written as JSON writes
// them (IsoTarih: "2026-12-09", beyond the year 9999 "+10237-09-22"), empty without a
// start date. The figure columns (Süre to Serbest Bolluk) are whole numbers in plain
// digits, "-3" as well, so that a spreadsheet reads them as numbers. Every other cell
// (code, name, Kritik, dates, headers) that begins with "=", "+", "-", "@", a tab or a
// carriage return gets a leading "'" before quoting, so that a spreadsheet shows it as
// text instead of running it as a formula (OWASP's advice on CSV injection), and so does
// such a text behind apostrophes of its own ("'=x" becomes "''=x"): a reader takes one
// "'" off a cell that starts with apostrophes followed by one of those characters and
// has every text as it was. JSON keeps such texts exactly. A project with a status date gets
// the progress columns last (IlerlemeSutunlari.h: actual dates, percent, remaining days, the
// forecast's and the compared baseline's dates, the variances), ISO dates and plain digits. A network that cannot be computed gives its explanation as the
// only field.
QByteArray CsvYaz(const Rapor& rapor, const QLocale& yerel);

// The separator for `yerel`, as above.
QChar CsvAyraci(const QLocale& yerel);
// One text field: guarded against formulas, then quoted where RFC 4180 needs it.
QString CsvAlani(const QString& metin, QChar ayrac);
