#pragma once

#include "ui/Diyalog.h"
#include "ui/activity/FaaliyetAlanlari.h"
#include "ui/layout/Duzenler.h"

// Adds activities to a project one after another. Waiting, its frame is disabled
// and "Faaliyet &Ekle" starts an entry; entering, the frame is enabled, "Kaydet"
// stores the activity and "Kapat" (and so Esc) is disabled.
class FaaliyetEklemeFormu : public Diyalog, public FaaliyetEklemeDenetimleri, public FaaliyetAlanları {
public:
    explicit FaaliyetEklemeFormu(const DiyalogBağlamı& bağlam);

    // Starts an entry while waiting, saves it while entering.
    void EkleKaydetDüğmesi_Click();
    // Abandons the entry: empty fields, back to waiting. Nothing is written.
    void VazgeçDüğmesi_Click();
    void KapatDüğmesi_Click();

private:
    void GirişeBaşla();
    void Kaydet();

    // The project the entry was started for: its code was worked out there, so the
    // activity goes there whatever the main window has selected since.
    QString m_proje;
};
