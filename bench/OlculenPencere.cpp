#include "OlculenPencere.h"

#include "ui/widgets/ListeKutusu.h"

#include <QCoreApplication>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

ÖlçülenPencere::ÖlçülenPencere(const QString& yol) : m_bağlantı(yol)
{
    if (const DepoHatası& hata = m_bağlantı.hata()) {
        std::fprintf(stderr, "%s açılamadı: %s\n", qPrintable(yol), qPrintable(hata.açıklama));
        std::exit(1);
    }
    m_pencere = std::make_unique<TemelForm>(m_bağlantı.depo());
    m_pencere->show();
    while (!m_pencere->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EkranıTamamla();
}

ÖlçülenPencere::~ÖlçülenPencere()
{
    m_pencere.reset();
}

int ÖlçülenPencere::Satır(const QString& ad) const
{
    const int satır = m_pencere->ProjeListesi->Bul(ad);
    if (satır < 0) {
        std::fprintf(stderr, "\"%s\" projesi listede yok\n", qPrintable(ad));
        std::exit(1);
    }
    return satır;
}

void ÖlçülenPencere::Seç(int satır)
{
    m_pencere->ProjeListesi->Seç(satır);
}

void ÖlçülenPencere::SeçimiKaldır()
{
    m_pencere->ProjeListesi->Seç(-1);
    EkranıTamamla();
}

void EkranıTamamla()
{
    // The first pass runs the posted relayouts and repaints; a second catches the
    // repaint that a relayout may ask for.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}
