#pragma once

#include "plan/Komut.h"
#include "plan/Plan.h"

#include <QMap>

// A what-if on one project: new durations for some of its activities, by code, shown
// in place of the stored ones and never saved unless applied.
struct Deneme {
    QString proje;
    QMap<QString, qint32> sureler;
};

// Tries a duration for the activity; its stored duration takes it out of the trial
// again, so that the trial never holds a change that changes nothing.
void SureyiDene(Deneme& deneme, const KayitliFaaliyet& faaliyet, qint32 sure);

// The plan's activities with the trial's durations.
QVector<KayitliFaaliyet> DenenenFaaliyetler(const QVector<KayitliFaaliyet>& faaliyetler, const Deneme& deneme);

// The command that writes the trial: each changed activity as shown, and its new duration.
SureleriDegistirKomutu DenemeKomutu(const Plan& plan, const Deneme& deneme);

// The trial in words, for the window's banner: "C: 4 → 9 gün, D: 2 → 0 gün".
QString DenemeOzeti(const Plan& plan, const Deneme& deneme);
