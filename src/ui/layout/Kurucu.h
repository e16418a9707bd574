#pragma once

#include "ui/layout/PencereDuzeni.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <QWidget>

class QPushButton;

// Twips as Qt's device-independent pixels: 15 twips are one pixel at 96 DPI.
int Piksel(int twips);

// The widgets built for one window, found by their control names.
class KurulmuşPencere {
public:
    template <typename W>
    W* al(const char* ad) const
    {
        auto* denetim = qobject_cast<W*>(m_denetimler.value(QString::fromUtf8(ad)));
        Q_ASSERT_X(denetim, "KurulmuşPencere::al", ad);
        return denetim;
    }

    QHash<QString, QWidget*> m_denetimler;
    QPushButton* escDüğmesi = nullptr;
};

// The layouts were drawn for a small dialog font. This is the application's font,
// made smaller where needed until every label and column header fits its box.
QFont PencereYazıTipi();

// Builds the window's caption, flags, fixed size, controls, labels as buddies, tab
// order and Esc button from its layout. Esc clicks the cancel button only while that
// button is enabled.
KurulmuşPencere PencereyiKur(QWidget* pencere, const PencereDüzeni& düzen);

// Centres a main window on its screen and a dialog over its owner.
void Ortala(QWidget* pencere);
