#pragma once

#include "export/Rapor.h"

#include <QString>
#include <QStringView>

// The analysis as a terminal shows it: aligned columns, regional dates and the
// analysis window's Turkish texts.

// Control characters made visible, so that a text keeps to its line and cannot steer
// the terminal: \n, \r, \t, and \uXXXX for the rest and for the Unicode line and
// paragraph separators.
QString Gorunur(QStringView metin);
// How many terminal columns a text takes: a combining mark or a format character
// none, an East Asian wide character or an emoji two, anything else one.
int GorunenGenislik(QStringView metin);
// The text cut, between whole characters, to at most `genislik` columns, "…" marking the cut.
QString Kisalt(const QString& metin, int genislik);

// The project's name and dates, the analysis table, the critical paths and the plan
// line; or the explanation when the network cannot be computed.
QString TabloYaz(const Rapor& rapor);
