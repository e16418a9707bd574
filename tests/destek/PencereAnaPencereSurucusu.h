#pragma once

// Driving the main window and its dialogs as a user would, by mouse and keyboard.

#include "destek/Yereller.h"
#include "ui/main/TemelForm.h"

#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>

class QLineEdit;

// Selects the project named `ad` in the main window's list, as a click would.
void ProjeyiSeç(TemelForm& ana, const QString& ad);
// Selects the row of the main window's activity list whose code is `kod`.
void SatırıSeç(TemelForm& ana, const QString& kod);
// The activity list as the user reads it: "code name duration predecessors ES/EF" per row.
QStringList ListedekiSatırlar(const TemelForm& ana);
// The main window's fields of the selected project: dates, day count, the two finish
// day counts and the critical path.
QStringList ProjeAlanları(const TemelForm& ana);

// Shows a window, brings it to the front and waits until it has the keyboard itself
// (the main window counts as active while one of its dialogs is).
bool ÖneGetirVeBekle(QWidget* pencere);
QWidget* Odak();
// Presses Tab `kez` times and names each control the focus lands on.
QStringList SekmeyleGez(int kez);

// Clicks into a field and types over what it holds, key by key; leaving it is up to the caller.
void Yaz(QLineEdit* alan, const QString& metin);
// Types a text key by key into the focused control.
void Tuşla(QWidget* alan, const QString& metin);
// Pastes the text over what the field holds, as Ctrl+V would.
void Yapıştır(QLineEdit* alan, const QString& metin);
// Alt and a letter, then waits until the button it pressed is up again.
void ErişimTuşu(QWidget* pencere, Qt::Key harf);

// Clicks a button of the main window and gives the dialog it opened, in front and
// with the keyboard; null when none came up.
template <typename Form>
Form* DiyaloğuAç(TemelForm& ana, QPushButton* düğme, Form* (TemelForm::*açık)() const)
{
    QTest::mouseClick(düğme, Qt::LeftButton);
    Form* d = (ana.*açık)();
    return d && ÖneGetirVeBekle(d) ? d : nullptr;
}
