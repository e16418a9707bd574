#pragma once

#include "store/DepoHatasi.h"

class KurulmuşPencere;
class QGroupBox;
class QLineEdit;
class QWidget;

// The frame and the four fields both project dialogs show, with their rules: the name
// and date rules run when a field is left, the check runs before a save.
class ProjeAlanları {
public:
    ProjeAlanları(QWidget* pencere, const KurulmuşPencere& denetimler);

    void ProjeninAdıKutusu_LostFocus();
    void BaşlamaTarihiKutusu_LostFocus();
    void BitişTarihiKutusu_LostFocus();

    // Rewrites a date field in the regional form or refuses it, then works out the day count.
    void TarihKutusunuDenetle(QLineEdit* kutu);
    // Shows the first check that fails and puts the focus on its field; true when all pass.
    bool BilgileriDenetle();

    QGroupBox* Çerçeve;
    QLineEdit* ProjeninAdıKutusu;
    QLineEdit* BaşlamaTarihiKutusu;
    QLineEdit* BitişTarihiKutusu;
    QLineEdit* TahminiGünSayısıKutusu;

protected:
    // A save the store refused: the box with its number, and for a taken name the
    // cursor back in the name. Every field keeps what was typed.
    void KayıtHatasınıGöster(const DepoHatası& hata);

private:
    QWidget* m_pencere;
};
