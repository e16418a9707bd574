#pragma once

#include "ui/Diyalog.h"
#include "ui/layout/Duzenler.h"
#include "ui/project/ProjeAlanlari.h"

// Adds projects one after another. The frame's enabled state is the dialog's state:
// disabled while waiting ("Proje &Ekle"), enabled while a project is being entered
// ("Kaydet", and "Kapat" disabled so Esc cannot drop the entry).
class ProjeEklemeFormu : public Diyalog, public ProjeEklemeDenetimleri, public ProjeAlanlari {
public:
    explicit ProjeEklemeFormu(const DiyalogBaglami& baglam);

    // Waiting: opens the fields for a new project. Entering: checks and saves it,
    // returns to waiting; the document lists the projects afresh.
    void EkleKaydetDugmesi_Click();
    // Empties the name and the dates (the day count stays) and returns to waiting.
    void VazgecDugmesi_Click();
    void KapatDugmesi_Click();
};
