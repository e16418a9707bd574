#pragma once

#include "kernel/Ilerleme.h"
#include "kernel/IsTakvimi.h"

#include <QXmlStreamWriter>

// Progress and baselines in Microsoft Project XML, beside what MspdiYazimi writes; nothing
// at all for a project without a status date, progress or baselines, so that its file stays
// as it was. Durations are days of 8 working hours, as every duration of the file.
//
// The project: BaselineForEarnedValue (the baseline progress is compared with) and StatusDate
// (17:00 of the status date), in the schema's place after DurationFormat.
void MspdiDurumuYaz(QXmlStreamWriter& xml, const ProjeIlerlemesi& ilerleme, const TabanPlanlari& tabanlar);

// A task with a progress row: PercentComplete, ActualStart (08:00), ActualFinish (17:00 of its
// last day, 08:00 for a milestone) and RemainingDuration, in the schema's place after Milestone.
void MspdiGorevIlerlemesiYaz(QXmlStreamWriter& xml, qint32 sure, const FaaliyetIlerlemesi& ilerleme);

// After a task's links: one Baseline (Number, Start, Finish, Duration) for each baseline
// that kept the activity.
void MspdiGorevTabanlariYaz(QXmlStreamWriter& xml, const TabanPlanlari& tabanlar, const QString& kodu);

// The project's own baselines, inside its summary task (UID 0, level 0), which the file has
// only when there are baselines: MSPDI keeps a baseline's start and finish for the whole
// project there.
void MspdiProjeTabanlariYaz(QXmlStreamWriter& xml, const IsTakvimi& takvim, const TabanPlanlari& tabanlar);

// N days of 8 working hours, as MSPDI writes a duration: "PT16H0M0S".
QString MspdiSuresi(qint64 gun);
