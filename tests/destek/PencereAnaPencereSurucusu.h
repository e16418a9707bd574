#pragma once

// Driving the main window and its dialogs as a user would, by mouse and keyboard.

#include "destek/Yereller.h"
#include "ui/main/TemelForm.h"

#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <utility>

class QLineEdit;

// The main window on a document of its own, as start-up gives it one: the document is
// built first and goes last.
struct TutulanBelge {
    explicit TutulanBelge(ProjeDeposu depo) : tutulan(std::move(depo)) {}
    PlanBelgesi tutulan;
};
class AnaPencere : private TutulanBelge, public TemelForm {
public:
    explicit AnaPencere(ProjeDeposu depo, IlkListe ilkListe = IlkListe::DepodanOku)
        : TutulanBelge(std::move(depo)), TemelForm(tutulan, ilkListe)
    {
    }
};

// Selects the project named `ad` in the main window's list, as a click would.
void ProjeyiSec(TemelForm& ana, const QString& ad);
// Selects the row of the main window's activity list whose code is `kod`.
void SatiriSec(TemelForm& ana, const QString& kod);
// The activity list as the user reads it: "code name duration predecessors ES/EF" per row.
QStringList ListedekiSatirlar(const TemelForm& ana);
// The main window's fields of the selected project: dates, day count, the two finish
// day counts and the critical path.
QStringList ProjeAlanlari(const TemelForm& ana);

// Shows a window, brings it to the front and waits until it has the keyboard itself
// (the main window counts as active while one of its dialogs is).
bool OneGetirVeBekle(QWidget* pencere);
QWidget* Odak();
// A control's name as a screen reader hears it: its label's, or its caption.
QString ErisilebilirAd(QWidget* denetim);
// Presses Tab `kez` times and names each control the focus lands on.
QStringList SekmeyleGez(int kez);

// Clicks into a field and types over what it holds, key by key; leaving it is up to the caller.
void Yaz(QLineEdit* alan, const QString& metin);
// Types a text key by key into the focused control.
void Tusla(QWidget* alan, const QString& metin);
// Pastes the text over what the field holds, as Ctrl+V would.
void Yapistir(QLineEdit* alan, const QString& metin);
// Alt and a letter, then waits until the button it pressed is up again.
void ErisimTusu(QWidget* pencere, Qt::Key harf);

// Clicks a button of the main window and gives the dialog it opened, in front and
// with the keyboard; null when none came up.
template <typename Form>
Form* DiyaloguAc(TemelForm& ana, QPushButton* dugme, Form* (TemelForm::*acik)() const)
{
    QTest::mouseClick(dugme, Qt::LeftButton);
    Form* d = (ana.*acik)();
    return d && OneGetirVeBekle(d) ? d : nullptr;
}
