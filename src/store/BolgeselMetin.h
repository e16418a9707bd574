#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Dates and whole numbers as the user's regional settings write them (QLocale()).
namespace BölgeselMetin {

// The regional short date form, always with a four-digit year, so that no date
// ever loses its century on the way through a text field.
QString TarihYaz(const QDate& tarih);

// Reads a date in the regional short form (two- or four-digit year, one- or
// two-digit day and month) or in ISO form. A two-digit year falls in 1930..2029.
// Only years 1..9999 are dates here: the store cannot keep others.
std::optional<QDate> TarihOku(const QString& metin);

// A whole number in the 32-bit signed range, written in plain digits or with the
// regional digit grouping ("1.234" under tr_TR, "1,234" under en_US).
std::optional<qint32> TamSayıOku(const QString& metin);

} // namespace BölgeselMetin
