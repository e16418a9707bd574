#pragma once

#include "kernel/Ilerleme.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// A task's progress and baselines in Microsoft Project XML, as written, until its duration
// in days is known: what MspdiOkuma hands over and what becomes a plan's progress.

struct OkunanIlerleme {
    QString yuzde, gercekBaslama, gercekBitis, kalan; // PercentComplete, ActualStart, ActualFinish, RemainingDuration
};

struct OkunanTaban {
    QString numara, baslama, bitis, sure; // Number, Start, Finish, Duration
};

// "PT16H30M0S" (days, hours, minutes, seconds, each optional) as minutes.
std::optional<double> MspdiDakika(const QString& metin);

// The progress of a task of `sure` days, or none when it has neither started nor progressed
// (Microsoft Project writes PercentComplete 0 for every task). The percent is kept as given
// unless the remaining duration says otherwise: then the remaining days, rounded up to whole
// days. Empty when it could be read; otherwise why not (Turkish), naming `gorev`.
QString IlerlemeyiCevir(const OkunanIlerleme& okunan, qint32 sure, int gunlukDakika, const QString& gorev,
                        std::optional<FaaliyetIlerlemesi>& ilerleme);

// A task's baselines by number (kodu left empty), durations rounded up to whole days. A
// baseline without a readable number or start is left out and counted in `atlanan`.
QMap<qint32, TabanSatiri> TabanlariCevir(const QVector<OkunanTaban>& okunanlar, int gunlukDakika, int& atlanan);

// MSPDI names no baseline and keeps no day it was saved: each gets Microsoft Project's name
// in Turkish ("Taban Planı", "Taban Planı 1" …); one without the project's summary task takes
// its start and finish from its activities. One report line says so.
void TabanlariTamamla(TabanPlanlari& tabanlar, QStringList& rapor);
