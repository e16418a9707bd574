#pragma once

#include "analysis/IlerlemeAnalizi.h"
#include "kernel/Ilerleme.h"

#include <QString>
#include <QStringList>

// Progress against the status date in Turkish with the regional dates and numbers, as the
// analysis window writes it: the table's progress columns and the status line.
namespace DurumMetinleri {

// The progress columns' headers, left to right, shown after the analysis's own.
const QStringList& Basliklar();
// Whether progress column `sutun` holds a figure, right-aligned as numbers are.
bool SayisalSutun(int sutun);
// Row t's cell under progress header `sutun`; `gercek` is what was entered for it.
QString Hucre(const FaaliyetTahmini& t, const FaaliyetIlerlemesi& gercek, int sutun);
// The forecast finish against the compared baseline's with the variance, the out-of-sequence
// count, and on a line of its own the schedule performance; empty without a status date.
QString DurumSatiri(const IlerlemeAnalizi& ilerleme);
// What PV, EV, SV, SPI, ES and SPI(t) are, in activity-days: the status line's tool tip.
QString PerformansTanimlari();
// "P80 bitiş, durum tarihine göre: …".
QString P80Satiri(const QDate& bitis);

} // namespace DurumMetinleri
