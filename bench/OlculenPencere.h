#pragma once

#include "store/GeciciBaglanti.h"
#include "ui/main/TemelForm.h"

#include <memory>

// The main window over one generated database, shown on screen as the user sees it.
class ÖlçülenPencere {
public:
    explicit ÖlçülenPencere(const QString& yol);
    ~ÖlçülenPencere();
    ÖlçülenPencere(const ÖlçülenPencere&) = delete;
    ÖlçülenPencere& operator=(const ÖlçülenPencere&) = delete;

    TemelForm& pencere() { return *m_pencere; }
    ProjeDeposu depo() const { return m_bağlantı.depo(); }

    // The project's row in the list; look it up before the clock starts, the list is long.
    int Satır(const QString& ad) const;
    // Selects the row as a click does, which runs ProjeListesi_Click.
    void Seç(int satır);
    // Leaves nothing selected, so that the next Seç is a change of selection.
    void SeçimiKaldır();

private:
    GeçiciBağlantı m_bağlantı;
    std::unique_ptr<TemelForm> m_pencere;
};

// Runs what a call leaves behind for the event loop: the lists' relayout and the
// window's repaint. A figure counts them, since the user waits for them too.
void EkranıTamamla();
