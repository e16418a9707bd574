#pragma once

#include "ui/Diyalog.h"
#include "ui/activity/FaaliyetAlanlari.h"
#include "ui/layout/Duzenler.h"

// Adds activities to a project one after another. Waiting, its frame is disabled
// and "Faaliyet &Ekle" starts an entry; entering, the frame is enabled, "Kaydet"
// stores the activity and "Kapat" (and so Esc) is disabled.
class FaaliyetEklemeFormu : public Diyalog, public FaaliyetEklemeDenetimleri, public FaaliyetAlanlari {
public:
    explicit FaaliyetEklemeFormu(const DiyalogBaglami& baglam);

    // Starts an entry while waiting, saves it while entering.
    void EkleKaydetDugmesi_Click();
    // Abandons the entry: empty fields, back to waiting. Nothing is written.
    void VazgecDugmesi_Click();
    void KapatDugmesi_Click();

private:
    void GiriseBasla();
    void Kaydet();
    // While entering, the code and the codes offered follow the file: an undo may have
    // taken back the activity the code was worked out after.
    void KodlariYenile();

    // The project the entry was started for: its code was worked out there, so the
    // activity goes there whatever the main window has selected since.
    QString m_proje;
    bool m_kaydediliyor = false;
};
