#pragma once

#include "store/ProjeDeposu.h"
#include "ui/Diyalog.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class TemelForm;

// What the add and change dialogs share: the frame with the code, name, duration
// and predecessor fields, the duration rule, the predecessor picker and the checks
// before a save.
class FaaliyetAlanları : public Diyalog {
public:
    // Rewrites the duration as a whole number in the regional format.
    void ÖngörülenSüreKutusu_LostFocus();
    // Adds the picked code to the predecessor text, at most once.
    void EklemeDüğmesi_Click();
    // Empties the whole predecessor text.
    void SilDüğmesi_Click();

    QGroupBox* Çerçeve;
    QLineEdit* FaaliyetKoduKutusu;
    QLineEdit* FaaliyetAdıKutusu;
    QLineEdit* ÖngörülenSüreKutusu;
    QComboBox* ÖncekiFaaliyetleriSeçmeKutusu;
    QPushButton* EklemeDüğmesi;
    QPushButton* SilDüğmesi;
    QLineEdit* ÖncekiFaaliyetlerKutusu;

protected:
    FaaliyetAlanları(TemelForm& anaPencere, const PencereDüzeni& düzen);

    TemelForm& anaPencere() const { return m_anaPencere; }

    // Offers these codes in the drop-down list, none of them picked.
    void KodListesiniDoldur(const QStringList& kodlar);

    // The activity as the fields hold it.
    Faaliyet Alanlar() const;

    // The checks before saving activity `kod` of `proje`: the three field checks,
    // then that every predecessor is an activity of the project added before it.
    // The first that fails shows its message and takes the focus to its field.
    bool KaydetmedenDenetle(const QString& proje, const QString& kod, bool öncekilerGerekli);

private:
    void Uyar(const QString& metin, QWidget* odak);

    TemelForm& m_anaPencere;
};
