#pragma once

#include <QDate>

// The date of day `gun` counted from the project start: every day a working day, so the
// start plus that many calendar days. Invalid without a valid start. Every date the plan
// shows passes through here, so a calendar changes this one place.
QDate GununTarihi(const QDate& baslama, qint64 gun);
