#pragma once

#include "kernel/IsTakvimi.h"

#include <QDate>
#include <QString>
#include <QVector>

// A project calendar as MSPDI holds it: a week of working and non-working days, and
// exceptions, each a run of days off or worked under one name. Shared by the export and
// the import, so that a calendar goes out and comes back the same.

// Whether the week of `tur` works on `haftaGunu` (Qt::Monday … Qt::Sunday).
bool HaftaninIsGunu(TakvimTuru tur, int haftaGunu);

struct MspdiIstisnasi {
    QDate ilk, son;
    QString ad;
    bool calisilir = false;
};

// What the file writes for the calendar: every project exception (consecutive days of one
// name and kind as one run), then each official holiday that takes a working day of the
// week away in the years ilkYil … sonYil, whole as the year has it. By date, never two on a day.
QVector<MspdiIstisnasi> MspdiIstisnalari(const IsTakvimi& takvim, int ilkYil, int sonYil);

// An exception's name in the file: the user's name, with the kind after it when it is a
// bridge day, or the kind's own name without one; IstisnaAdiniOku gives both back.
QString IstisnaAdiniYaz(const TakvimIstisnasi& istisna);
TakvimIstisnasi IstisnaAdiniOku(const QDate& tarih, const QString& ad, bool calisilir);
