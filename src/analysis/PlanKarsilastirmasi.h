#pragma once

#include "kernel/IsTakvimi.h"
#include "store/Kayitlar.h"

#include <QDate>
#include <QString>
#include <optional>

// Which of the project's dates leaves nothing to compare the finish with.
enum class EksikTarih : quint8 { Yok, Baslama, Bitis };

// The computed finish against the project's own dates.
struct PlanKarsilastirmasi {
    // End date − start date; under a working-day calendar the working days from the start
    // date up to the end date, so that it compares with F.
    std::optional<qint64> tahminiGunSayisi;
    std::optional<qint64> pay;              // the estimate less F; below zero it is a delay
    EksikTarih eksikTarih = EksikTarih::Yok;
    QString eksikTarihYerine;               // what is stored in that date's place, as read; empty when nothing
    QDate enErkenBitis; // the project's finish date, BitisTarihi(calendar, start, 0, F); invalid without a start date
};

PlanKarsilastirmasi PlaniKarsilastir(const KayitliProje& proje, const IsTakvimi& takvim, qint64 projeBitisGunu);

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
// The date of working day BitisGunu(es, ef); invalid without a valid start date.
QDate BitisTarihi(const IsTakvimi& takvim, const QDate& baslama, qint64 es, qint64 ef);
