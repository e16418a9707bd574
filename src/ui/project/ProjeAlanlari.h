#pragma once

#include "store/DepoHatasi.h"
#include "rules/ProjeKurallari.h"
#include "store/Kayitlar.h"
#include "ui/layout/Duzenler.h"

#include <optional>

class QLineEdit;
class QWidget;

// The rules of the frame and the four fields both project dialogs show: the name and
// date rules run when a field is left, the checks run before a save.
class ProjeAlanlari {
public:
    ProjeAlanlari(QWidget* pencere, const ProjeAlanDenetimleri& alanlar);

    void ProjeninAdiKutusu_LostFocus();
    void BaslamaTarihiKutusu_LostFocus();
    void BitisTarihiKutusu_LostFocus();

    // Rewrites a date field in the regional form or refuses it, then works out the day count.
    void TarihKutusunuDenetle(QLineEdit* kutu);
    // Shows the first check that fails and puts the focus on its field; true when all pass.
    bool BilgileriDenetle();

    // Whether a project is being entered: the frame is open for typing.
    bool Giriliyor() const;

protected:
    // The checks, then the project the fields hold; nothing after a box has said why.
    std::optional<Proje> KaydedilecekProje();
    // A save the store refused: the box with its number, and for a taken name the
    // cursor back in the name. Every field keeps what was typed.
    void KayitHatasiniGoster(const DepoHatasi& hata);

private:
    ProjeMetinleri Metinler() const;

    QWidget* m_pencere;
    const ProjeAlanDenetimleri& m_alanlar;
};
