#pragma once

#include "kernel/IsTakvimi.h"

#include <QDate>

// The date of working day `gun` counted from the project's first working day, the first
// working day on or after its start (day 0). Every day works under "Her gün", so there the
// start plus that many calendar days. Invalid without a valid start. Every date the plan
// shows passes through here.
QDate GununTarihi(const IsTakvimi& takvim, const QDate& baslama, qint64 gun);
