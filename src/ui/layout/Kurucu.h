#pragma once

#include "ui/layout/PencereDuzeni.h"

#include <QFont>
#include <QWidget>

// Twips as Qt's device-independent pixels: 15 twips are one pixel at 96 DPI.
int Piksel(int twips);

// The layouts were drawn for a small dialog font. This is the application's font,
// made smaller where needed until every label and column header fits its box.
QFont PencereYazıTipi();

// Builds the window's caption, flags, fixed size, controls, labels as buddies, tab
// order and Esc button from its layout, and puts each control into its slot of
// `denetimler`. Esc clicks the cancel button only while that button is enabled.
void PencereyiKur(QWidget* pencere, const PencereDüzeni& düzen, void* denetimler);

// The same, giving the window's control struct.
template <typename D>
D PencereyiKur(QWidget* pencere, const TürlüDüzen<D>& düzen)
{
    D denetimler;
    PencereyiKur(pencere, düzen, &denetimler);
    return denetimler;
}

// Centres a main window on its screen and a dialog over its owner.
void Ortala(QWidget* pencere);
