#pragma once

#include "ui/layout/PencereDuzeni.h"

#include <QFont>
#include <QWidget>

class QMainWindow;

// Device-independent pixels per twip for a window font: the layouts were drawn for an
// 8-point dialog font (15 twips a pixel at 96 DPI); a larger font scales every place
// and size alike, so each control keeps its relative place and every label fits.
double OlcekHesapla(const QFont& yaziTipi);

// What the windows are built at on a screen.
struct PencereOlcegi {
    QFont yazi;              // the application font: the one given, or a smaller one
    double olcek = 0;        // pixels per twip for that font
    bool kaydirilir = false; // even so the main window is larger: its client area scrolls
    QSize enBuyuk;           // the largest main window (menu bar included, frame not) the area takes
};
// The scale for `yazi` bounded by a screen's available area `alan` (device-independent
// pixels, QScreen::availableGeometry) that `aygitOrani` device pixels make one of. The
// main window with its menu bar, title bar and frame must lie on the area: a font
// whose windows are larger gives way to the largest smaller one whose windows fit,
// never to one whose line is under 11 device pixels (where letters lose their marks);
// below that the client area scrolls. A plain function, so that any screen can be
// tried without one.
PencereOlcegi EkranaGoreOlcek(const QFont& yazi, const QSize& alan, double aygitOrani);
// Makes `olcek` the application font and the scale every window is built at from now
// on. Start-up gives the primary screen's; until then the application font's scale,
// unbounded, holds.
void OlcegiKur(const PencereOlcegi& olcek);
// The scale every window is built at.
double Olcek();

// Twips as pixels at that scale.
int Piksel(int twips, double olcek);
int Piksel(int twips);

// Builds the window's caption, flags, fixed size, controls, labels as buddies, tab
// order and Esc button from its layout, and puts each control into its slot of
// `denetimler`. Esc, and in a dialog Ctrl+W, click the cancel button only while it is enabled.
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
