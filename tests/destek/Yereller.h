#pragma once

#include <QLocale>

// Fixed locales for the test cases: one groups digits with a point, one with a comma.
inline const QLocale Türkçe(QLocale::Turkish, QLocale::Turkey);
inline const QLocale Amerikan(QLocale::English, QLocale::UnitedStates);
