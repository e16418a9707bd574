#pragma once

#include "store/Kayitlar.h"

#include <QDate>
#include <QString>
#include <optional>

// Which of the project's dates leaves nothing to compare the finish with.
enum class EksikTarih : quint8 { Yok, Baslama, Bitis };

// The computed finish against the project's own dates.
struct PlanKarsilastirmasi {
    std::optional<qint64> tahminiGunSayisi; // end date − start date
    std::optional<qint64> pay;              // the estimate less F; below zero it is a delay
    EksikTarih eksikTarih = EksikTarih::Yok;
    QString eksikTarihYerine;               // what is stored in that date's place, as read; empty when nothing
    QDate enErkenBitis;                     // the project's finish date, BitisTarihi(start, 0, F); invalid without a start date
};

PlanKarsilastirmasi PlaniKarsilastir(const KayitliProje& proje, qint64 projeBitisGunu);

// Start date + day count, in calendar days as the counts are; invalid without a start date.
QDate Takvim(const KayitliProje& proje, qint64 gun);

// The finish-date convention of every table, text and file. Day counts are boundaries:
// an activity from ES to EF works on days ES … EF − 1, and a successor starts on day EF.
// So the day it finishes on is its last day of work, EF − 1; a zero-day activity (a
// milestone) happens on day ES, which is its start and its finish. A negative duration
// (EF < ES) keeps its figures as the main window computes them and follows the same
// rule: its finish day is EF − 1. The project's finish is that of a span from day 0 to F.
inline qint64 BitisGunu(qint64 es, qint64 ef)
{
    return ef == es ? es : ef - 1;
}
// The start date + BitisGunu(es, ef); invalid without a valid start date.
QDate BitisTarihi(const QDate& baslama, qint64 es, qint64 ef);
