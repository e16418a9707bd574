#pragma once

#include "export/Rapor.h"
#include "kernel/BagTuru.h"

#include <QByteArray>
#include <optional>

// The plan as Microsoft Project XML (MSPDI), which ProjectLibre, GanttProject, Planner
// and Microsoft Project import: the project with its name and start, its calendar, and
// one task per activity with its dates, duration and a link per predecessor: its Type and its
// LinkLag in tenths of a minute (MspdiGunlukGecikme a working day), LagFormat 7 (days).
//
// Working time: each working day of the calendar's week works 08:00–12:00 and
// 13:00–17:00, 480 minutes, so N days of the plan are N working days (8N hours) in the
// other planner. Under "Her gün" every day of the week works and the calendar has no
// exceptions, as the file always was. Under a working-day calendar the weekend days do
// not work, and each project exception and each official holiday that takes a working
// day away in the years the plan spans is one exception (a whole bayram as one, arifes
// only when the project takes them off; see MspdiTakvimi.h). A task starts at 08:00 of
// its start date (working day ES) and finishes at 17:00 of its last day, the plan's
// finish date (working day EF − 1). A zero-day activity is a milestone at 08:00 of its start date.
// FinishDate is that computed finish; the project's own estimated end, where it has one,
// is the one value listed for a custom field (Date1) named MspdiTahminiBitisAdi, which
// other planners show at most as a column's name and Kavrion's import takes back.
// Progress and baselines, only where the project has them (MspdiIlerlemesi.h): StatusDate,
// BaselineForEarnedValue, each task's PercentComplete, ActualStart, ActualFinish and
// RemainingDuration, its Baselines, and a project summary task (UID 0) for the baselines' start
// and finish of the whole project.
// Tasks are numbered 1, 2, … in stored order (UID = ID); the activity's code is its
// WBS code. A name longer than the schema allows (512 characters, 255 for the
// project's Name) is cut there, and a task's whole name goes in its notes. Characters
// XML 1.0 cannot hold (control characters, lone surrogates) become U+FFFD, so that
// the file stays readable and the reader sees where something was.
//
// A project without a valid start date is refused with that reason (Genel): every
// date in the file counts from the start, and a day chosen here (the day of the
// export, as once) would pass for a plan the user never made. A project without
// activities is a project with no tasks. A network that cannot be computed has no
// dates to give: its explanation comes back as the error (Genel). Nor can the format
// hold an activity of negative duration or a date outside the years 1 to 9999
// (Uyumsuz). On an error `xml` is left as it was.
inline constexpr char MspdiTahminiBitisAdi[] = "Tahmini Bitiş Tarihi (Kavrion)";

DepoHatasi MspdiYaz(const Rapor& rapor, QByteArray& xml);

// A working day's lag in tenths of a minute: the file's day is 480 minutes.
inline constexpr qint64 MspdiGunlukGecikme = 4800;
// MSPDI's numbers for the link types: FF 0, FS 1, SF 2, SS 3; nothing for another number.
int MspdiBagNumarasi(BagTuru tur);
std::optional<BagTuru> MspdiBagTuru(qint64 numara);
