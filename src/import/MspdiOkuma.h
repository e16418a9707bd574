#pragma once

#include "import/AktarimPlani.h"

#include <QByteArray>
#include <QString>

// Microsoft Project XML (MSPDI), as Microsoft Project, ProjectLibre and GanttProject
// write it: the project's name (Title, else Name), StartDate, FinishDate (or the
// estimated end Kavrion's own export lists under MspdiTahminiBitisAdi) and
// MinutesPerDay (480 without it), and each task's UID, Name, Duration ("PT…H…M…S" in
// working time, or elapsed time for an elapsed DurationFormat), Milestone (0 days),
// OutlineLevel (a task followed by a deeper one is a summary) and its PredecessorLinks
// (Type; LinkLag in tenths of a minute of working time, of elapsed time for an elapsed
// LagFormat, or a percentage of the predecessor's duration for LagFormat 19, 20, 51, 52). A name Kavrion's export cut at the schema's
// 512 characters is taken whole from the task's notes. The project's own summary task
// (level 0) and blank rows (IsNull) are no tasks. The project's calendar (CalendarUID)
// becomes the project's own (see MspdiTakvimOkuma.h); its working hours are dropped.
// StatusDate and each task's PercentComplete, ActualStart, ActualFinish and RemainingDuration
// become the plan's progress (see MspdiIlerlemeOkuma.h), and each task's Baseline (Number,
// Start, Finish, Duration) and the project summary task's the baselines, BaselineForEarnedValue
// the one compared; progress the rules refuse (an actual date after the status date…) refuses
// the file, progress without a status date is left out with a report line. Constraints,
// resources, assignments and costs are left out, with one report line for each kind the file has.
//
// Read with QXmlStreamReader: a DOCTYPE that declares entities is refused before any
// could be expanded, external entities are never fetched, and the nesting depth
// (MspdiDerinlikSiniri) and the number of elements (MspdiOgeSiniri) are bounded. A file
// whose root is not MSPDI's Project element is refused as not being what it says.
inline constexpr int MspdiDerinlikSiniri = 64;
inline constexpr qint64 MspdiOgeSiniri = 4'000'000;

AktarimSonucu MspdiOku(const QByteArray& icerik);
// Refuses a file larger than EnBuyukAktarimDosyasi by its size, without reading it.
AktarimSonucu MspdiDosyasiOku(const QString& yol);
