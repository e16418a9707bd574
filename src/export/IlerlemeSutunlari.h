#pragma once

#include "analysis/IlerlemeAnalizi.h"
#include "export/Rapor.h"

#include <QStringList>
#include <functional>

// An activity's progress as columns, the same in the CSV export and the command-line report:
// actual start and finish, percent complete, remaining days, the forecast's start and finish,
// the compared baseline's start and finish, and the variances in working days (positive late).

const QStringList& IlerlemeBasliklari();

// Activity `i`'s cells (stored order), dates and figures written by `tarih` and `sayi`; the
// variances are empty where the baseline has no row for it.
QStringList IlerlemeHucreleri(const Rapor& rapor, const IlerlemeAnalizi& ilerleme, int i,
                              const std::function<QString(const QDate&)>& tarih,
                              const std::function<QString(qint64)>& sayi);

// The forecast of the project's progress, compared with its chosen baseline; `var` is false
// without a status date.
IlerlemeAnalizi RaporIlerlemesi(const Rapor& rapor);
