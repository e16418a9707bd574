#pragma once

#include "store/GeciciBaglanti.h"
#include "ui/main/TemelForm.h"

#include <memory>

// The main window over one generated database, shown on screen as the user sees it.
class OlculenPencere {
public:
    explicit OlculenPencere(const QString& yol);
    // The same over the database at `adres` on a PostgreSQL server.
    explicit OlculenPencere(const SunucuAdresi& adres);
    ~OlculenPencere();
    OlculenPencere(const OlculenPencere&) = delete;
    OlculenPencere& operator=(const OlculenPencere&) = delete;

    TemelForm& pencere() { return *m_pencere; }
    ProjeDeposu depo() const { return m_baglanti.depo(); }

    // The project's row in the list; look it up before the clock starts, the list is long.
    int Satir(const QString& ad) const;
    // Selects the row as a click does, which runs ProjeListesi_Click.
    void Sec(int satir);
    // Leaves nothing selected, so that the next Seç is a change of selection.
    void SecimiKaldir();

private:
    // Shows the window once the connection is open, or ends the run saying why not.
    void Goster(const QString& nerede);

    GeciciBaglanti m_baglanti;
    std::unique_ptr<PlanBelgesi> m_belge; // as start-up has it: the document outlives its window
    std::unique_ptr<TemelForm> m_pencere;
};

// Runs what a call leaves behind for the event loop: the lists' relayout and the
// window's repaint. A figure counts them, since the user waits for them too.
void EkraniTamamla();
