#pragma once

#include "ui/Diyalog.h"

class QPushButton;
class QTreeWidget;

// "Geçmiş": every step of the file's history with its time, the undone ones greyed,
// the point the file stands at selected. Going back to a row undoes the later steps
// one by one (or redoes the undone ones up to it).
class GecmisPenceresi : public Diyalog {
public:
    explicit GecmisPenceresi(const DiyalogBaglami& baglam);

    // Reads the steps again.
    void Yenile();
    // Goes to the selected row's point.
    void NoktayaDonDugmesi_Click();

    QTreeWidget* liste() const { return m_liste; }

private:
    QTreeWidget* m_liste = nullptr;
    QPushButton* m_don = nullptr;
};
