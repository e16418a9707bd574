#pragma once

#include <QLocale>

// Fixed locales for the test cases: Turkish and German group digits with a point and
// write day.month.year, American English groups with a comma and writes month/day/year.
inline const QLocale Turkce(QLocale::Turkish, QLocale::Turkey);
inline const QLocale Amerikan(QLocale::English, QLocale::UnitedStates);
inline const QLocale Alman(QLocale::German, QLocale::Germany);
