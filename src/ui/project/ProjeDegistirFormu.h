#pragma once

#include "ui/Diyalog.h"
#include "ui/project/ProjeAlanlari.h"

#include <QString>

class QPushButton;
class TemelForm;

// Changes one project's name and dates; a new name goes to its activities too.
class ProjeDeğiştirFormu : public Diyalog, public ProjeAlanları {
public:
    explicit ProjeDeğiştirFormu(TemelForm* anaPencere);

    // Fills the fields with what the main window shows for the project `ad`, without
    // running their rules. The save changes that project, whatever is selected by then.
    void Doldur(const QString& ad, const QString& başlama, const QString& bitiş, const QString& günSayısı);

    // Checks and saves, closes, and refills the main window's project list.
    void KaydetDüğmesi_Click();
    // Closes without writing.
    void VazgeçDüğmesi_Click();

    QPushButton* KaydetDüğmesi;
    QPushButton* VazgeçDüğmesi;

private:
    TemelForm* m_anaPencere;
    QString m_projeAdı;
};
