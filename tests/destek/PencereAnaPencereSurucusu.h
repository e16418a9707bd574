#pragma once

#include "destek/Yereller.h"

#include <QString>
#include <QStringList>

class QWidget;
class TemelForm;

// Selects the project named `ad` in the main window's list, as a click would.
void ProjeyiSeç(TemelForm& ana, const QString& ad);

// Selects the row of the main window's activity list whose code is `kod`.
void SatırıSeç(TemelForm& ana, const QString& kod);

// The activity list as the user reads it: "code name duration predecessors ES/EF" per row.
QStringList ListedekiSatırlar(const TemelForm& ana);

// Shows the window, makes it the active one and waits until it is.
bool Etkinleştir(QWidget* pencere);
