#pragma once

#include "export/Rapor.h"

#include <QByteArray>
#include <QDate>

// The plan as Microsoft Project XML (MSPDI), which ProjectLibre, GanttProject, Planner
// and Microsoft Project import: the project with its name and start, one calendar in
// which every day is a working day (the plan counts calendar days), and one task per
// activity with its dates, duration and a finish-to-start link per predecessor.
// A project without a start date starts on `başlamaYoksa`. A network that cannot be
// computed has no dates to give: its explanation comes back as the error.
DepoHatası MspdiYaz(const Rapor& rapor, const QDate& başlamaYoksa, QByteArray& xml);
