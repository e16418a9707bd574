#pragma once

#include "store/Kayitlar.h"

#include <QDate>
#include <QString>
#include <optional>

// The computed finish against the project's own dates.
struct PlanKarsilastirmasi {
    std::optional<qint64> tahminiGunSayisi; // end date − start date
    std::optional<qint64> pay;              // the estimate less F; below zero it is a delay
    QString metin;                          // "N gün pay", "N gün gecikme", or why there is no comparison
    QDate enErkenBitis;                     // start date + F; invalid without a start date
};

PlanKarsilastirmasi PlaniKarsilastir(const KayitliProje& proje, qint64 projeBitisGunu);

// Start date + day count, in calendar days as the counts are; invalid without a start date.
QDate Takvim(const KayitliProje& proje, qint64 gun);
