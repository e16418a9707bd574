#pragma once

#include "ui/layout/Kurucu.h"

#include <QWidget>

// A modeless dialog owned by the main window and built from its layout. Closing it
// (its close box, or close()) unloads it: the next opening starts afresh.
class Diyalog : public QWidget {
public:
    Diyalog(QWidget* sahip, const PencereDüzeni& düzen);

    // Shows the dialog centred over its owner the first time, then brings it to the front.
    void ÖneGetir();

protected:
    const KurulmuşPencere& denetimler() const { return m_denetimler; }

private:
    KurulmuşPencere m_denetimler;
    bool m_gösterildi = false;
};
