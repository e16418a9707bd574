#pragma once

#include "store/Kayitlar.h"
#include "ui/Diyalog.h"
#include "ui/activity/FaaliyetAlanlari.h"
#include "ui/layout/Duzenler.h"

// Changes the name, duration and predecessors of one stored activity; its code
// and project stay. Closes itself after a successful save.
class FaaliyetDegistirmeFormu : public Diyalog, public FaaliyetDegistirmeDenetimleri, public FaaliyetAlanlari {
public:
    // Loads the dialog for activity `kod` of `proje`: the drop-down list offers the
    // codes added before it ("A" is offered none). The list is not read again while
    // the dialog stays open.
    FaaliyetDegistirmeFormu(const DiyalogBaglami& baglam, const QString& proje, const QString& kod);

    // Shows the row as the main window shows it and makes it the row that a save
    // changes, only while the file still holds it as shown.
    void Doldur(const QString& proje, const KayitliFaaliyet& satir);

    void KaydetDugmesi_Click();
    // Closes the dialog; nothing is written.
    void VazgecDugmesi_Click();

private:
    void Form_Load(const QString& proje, const QString& kod);
    // After "changed elsewhere": the row as stored, here and in the main window.
    void GuncelHaliniGoster();
    // The plan shown changed (another planner's write, an undo): when this row is no
    // longer as the fields were filled, says so at once and shows it as it is now.
    void BaskaYerdeDegistiyse();

    // The row the fields were last filled from, whatever the main window has selected since.
    QString m_proje;
    std::optional<KayitliFaaliyet> m_satir;
    // Our own save changes the row too, and says what happened itself.
    bool m_kaydediyor = false;
};
