#pragma once

#include "store/Kayitlar.h"
#include "ui/Diyalog.h"
#include "ui/layout/Duzenler.h"
#include "ui/project/ProjeAlanlari.h"

#include <optional>

// Changes one project's name and dates; a new name goes to its activities too.
class ProjeDegistirFormu : public Diyalog, public ProjeDegistirDenetimleri, public ProjeAlanlari {
public:
    explicit ProjeDegistirFormu(const DiyalogBaglami& baglam);

    // Fills the fields with the project as the main window shows it, without running
    // their rules. The save changes that project, whatever is selected by then, and
    // only while the file still holds it as shown.
    void Doldur(const KayitliProje& proje, const QString& gunSayisi);

    // The document's delete command removed this project: a save then says so instead
    // of blaming another program.
    void ProjeSilindi(const QString& ad);

    // Checks and saves through the document, then closes.
    void KaydetDugmesi_Click();
    // Closes without writing.
    void VazgecDugmesi_Click();

private:
    // After "changed elsewhere": the project as stored, here and in the main window.
    void GuncelHaliniGoster();
    // The plan shown changed: when its dates are no longer those the fields were filled
    // with (another planner's write, an undo), says so at once and shows them.
    void BaskaYerdeDegistiyse();

    std::optional<KayitliProje> m_proje;
    bool m_buradaSilindi = false;
    // Our own save changes the project too, and says what happened itself.
    bool m_kaydediyor = false;
};
