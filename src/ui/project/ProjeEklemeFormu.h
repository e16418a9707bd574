#pragma once

#include "ui/Diyalog.h"
#include "ui/project/ProjeAlanlari.h"

class QPushButton;
class TemelForm;

// Adds projects one after another. The frame's enabled state is the dialog's state:
// disabled while waiting ("Proje &Ekle"), enabled while a project is being entered
// ("Kaydet", and "Kapat" disabled so Esc cannot drop the entry).
class ProjeEklemeFormu : public Diyalog, public ProjeAlanları {
public:
    explicit ProjeEklemeFormu(TemelForm* anaPencere);

    // Waiting: opens the fields for a new project. Entering: checks and saves it,
    // returns to waiting and refills the main window's project list.
    void EkleKaydetDüğmesi_Click();
    // Empties the name and the dates (the day count stays) and returns to waiting.
    void VazgeçDüğmesi_Click();
    void KapatDüğmesi_Click();

    QPushButton* EkleKaydetDüğmesi;
    QPushButton* VazgeçDüğmesi;
    QPushButton* KapatDüğmesi;

private:
    TemelForm* m_anaPencere;
};
