#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

// The cells of other planners' CSV files whose text has a form of its own.

// A duration as planners write it: "3", "2,5", "2.5", "3 days", "3d", "3 gün", "3g",
// "24h", "24 hrs", "24 saat", elapsed "3 edays", "3ed", "72eh", each perhaps with
// Microsoft Project's "?" of an estimate.
struct SureHucresi {
    double deger = 0;
    bool saat = false;   // hours, not days
    bool gecen = false;  // elapsed (calendar) time
    QChar ondalik;       // the decimal mark written, null for a whole number
};
std::optional<SureHucresi> SureHucresiOku(const QString& metin);

// The date forms a CSV may use; the first date of a file decides which one all its
// dates are read in.
enum class TarihBicimi { Iso, NoktaliGunAyYil, Bolgesel };
// The form the text is a date in, trying them in that order; a time after the date
// ("08:00", "8:00 AM") and a weekday before it ("Mon") are passed over.
std::optional<TarihBicimi> TarihBicimiBul(const QString& metin, const QLocale& yerel);
// The date in that form; a two-digit year falls in 1930..2029. ISO takes the expanded
// form with a sign that Kavrion writes beyond the year 9999 (see IsoTarih).
QDate TarihHucresiOku(const QString& metin, TarihBicimi bicim, const QLocale& yerel);
// "ISO (yyyy-aa-gg)", "gg.aa.yyyy", "bölgesel kısa biçim (d.MM.yyyy)".
QString TarihBicimiAdi(TarihBicimi bicim, const QLocale& yerel);
