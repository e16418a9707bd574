#pragma once

#include "ui/activity/FaaliyetAlanlari.h"

// Changes the name, duration and predecessors of one stored activity; its code
// and project stay. Closes itself after a successful save.
class FaaliyetDeğiştirmeFormu : public FaaliyetAlanları {
public:
    // Loads the dialog for activity `kod` of `proje`: the drop-down list offers the
    // codes added before it ("A" is offered none). The list is not read again while
    // the dialog stays open.
    FaaliyetDeğiştirmeFormu(TemelForm& anaPencere, const QString& proje, const QString& kod);

    // Shows the row's texts, unchanged, and makes it the row that a save changes.
    void Doldur(const QString& proje, const Faaliyet& satır);

    void KaydetDüğmesi_Click();
    // Closes the dialog; nothing is written.
    void VazgeçDüğmesi_Click();

    QPushButton* KaydetDüğmesi;
    QPushButton* VazgeçDüğmesi;

private:
    void Form_Load(const QString& proje, const QString& kod);

    // The row the fields were last filled from, whatever the main window has selected since.
    QString m_proje;
    QString m_kod;
};
