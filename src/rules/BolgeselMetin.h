#pragma once

#include "store/Kayitlar.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

// Dates and whole numbers as the user's regional settings write them (QLocale()).
namespace BolgeselMetin {

// The regional short date form, always with a four-digit year, so that no date
// ever loses its century on the way through a text field.
QString TarihYaz(const QDate& tarih);

// Reads a date in the regional short form (two- or four-digit year, one- or
// two-digit day and month) or in ISO form. A two-digit year falls in 1930..2029.
// Only years 1..9999 are dates here: the store cannot keep others.
std::optional<QDate> TarihOku(const QString& metin);

// A whole number in the 32-bit signed range, written in plain digits or with the
// regional digit grouping ("1.234" under tr_TR, "1,234" under en_US).
std::optional<qint32> TamSayiOku(const QString& metin);

// The form a date field expects, in Turkish letters: "gg.aa.yyyy" under tr_TR.
QString TarihBicimiIpucu();

// The locale to read and write dates and numbers in. Without regional settings (the
// C or POSIX locale of minimal systems) that is Turkish, as the interface is.
QLocale KullanilacakYerel(const QLocale& sistem);

// A stored column as the windows show it: the value in the regional form, or what
// another program left there when it is not one.
QString TarihMetni(const Sakli<QDate>& tarih);
QString SureMetni(const Sakli<qint32>& sure); // plain decimal digits

} // namespace BolgeselMetin
