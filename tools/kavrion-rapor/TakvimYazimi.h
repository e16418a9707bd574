#pragma once

#include "store/Kayitlar.h"

#include <QByteArray>
#include <QString>

// kavrion-rapor takvim: a project's calendar for one year. Its name, which days of the
// week work, whether the arifes are taken off, whether the year's bayram dates are
// confirmed and their source (none for a year not bundled), then every day of the year that does not work for a holiday or an
// exception, and the project's exceptions that are worked, by date, each with its name.

// Aligned for a terminal, with regional dates.
QString TakvimTablosu(const KayitliProje& proje, int yil);
// For scripts, with ISO dates.
QByteArray TakvimJson(const KayitliProje& proje, int yil);
