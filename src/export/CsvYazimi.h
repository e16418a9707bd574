#pragma once

#include "export/Rapor.h"

#include <QByteArray>
#include <QLocale>

// The analysis table as CSV for a spreadsheet: UTF-8 with a byte-order mark, the
// Turkish column names as its first row, ISO dates, RFC 4180 quoting and CRLF line
// ends. The separator is ";" where `yerel` writes decimals with a comma (a spreadsheet
// there reads "," as a decimal point) and "," elsewhere. A network that cannot be
// computed gives its explanation as the only field.
QByteArray CsvYaz(const Rapor& rapor, const QLocale& yerel);
