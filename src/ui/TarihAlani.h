#pragma once

#include "rules/ProjeKurallari.h"

class QLineEdit;
class QWidget;

// The date rule of a field, as every window applies it (when the field is left, and on
// Enter where Enter means "use it"): a date is written back in the regional short form; a
// text that is no date ("31.02.2027") gets the box, the field is emptied and keeps the
// focus. Gives what the rule did; an empty field is left alone.
TarihKarari::Tur TarihAlaniniDenetle(QWidget* pencere, QLineEdit* alan);
