#pragma once

#include "export/Rapor.h"

#include <QString>
#include <QStringView>
#include <functional>

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

// Rows of cells in aligned columns, two blanks apart, each line ending in "\n"; a column
// for which `sagaYasli` is true is aligned right. The cells must be visible and cut already.
QString HizaliTablo(const QVector<QStringList>& satirlar, const std::function<bool(int)>& sagaYasli);
// A text for a cell: visible, cut to the cell's width.
QString HucreMetni(const QString& metin);
// A stored date in the regional form, "—" without one.
QString TarihMetni(const Sakli<QDate>& tarih);
// The project's name and its dates, two lines, and its calendar's under a working-day one.
QString ProjeBasligi(const KayitliProje& proje);

// The project's name and dates, the analysis table, the critical paths and the plan
// line; or the explanation when the network cannot be computed.
QString TabloYaz(const Rapor& rapor);
