#pragma once

#include "ui/layout/PencereDuzeni.h"

#include <QFont>
#include <QWidget>

class QMainWindow;

// Device-independent pixels per twip for a window font: the layouts were drawn for an
// 8-point dialog font (15 twips a pixel at 96 DPI); a larger font scales every place
// and size alike, so each control keeps its relative place and every label fits.
double OlcekHesapla(const QFont& yaziTipi);
// The application font's, worked out once.
double Olcek();

// Twips as pixels at that scale.
int Piksel(int twips, double olcek);
int Piksel(int twips);

// Builds the window's caption, flags, fixed size, controls, labels as buddies, tab
// order and Esc button from its layout, and puts each control into its slot of
// `denetimler`. Esc clicks the cancel button only while that button is enabled.
void PencereyiKur(QWidget* pencere, const PencereDuzeni& duzen, void* denetimler);

// A main window's controls go on a client widget of their own, its central widget, at
// the layout's size; the window takes the caption and flags and stays fixed at that
// client size plus its menu bar. Qt itself announces a QMainWindow as a window.
void PencereyiKur(QMainWindow* pencere, const PencereDuzeni& duzen, void* denetimler);

// Either, giving the window's control struct.
template <typename D, typename Pencere>
D PencereyiKur(Pencere* pencere, const TurluDuzen<D>& duzen)
{
    D denetimler;
    PencereyiKur(pencere, duzen, &denetimler);
    return denetimler;
}

// Centres a main window on its screen and a dialog over its owner.
void Ortala(QWidget* pencere);
