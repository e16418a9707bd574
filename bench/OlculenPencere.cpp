#include "OlculenPencere.h"

#include "ui/layout/ListeKutusu.h"

#include <QCoreApplication>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

ÖlçülenPencere::ÖlçülenPencere(const QString& yol, const QString& bağlantı) : m_bağlantı(bağlantı)
{
    if (auto hata = ProjeDeposu::Aç(yol, bağlantı)) {
        std::fprintf(stderr, "%s açılamadı: %s\n", qPrintable(yol), qPrintable(hata.açıklama));
        std::exit(1);
    }
    m_pencere = std::make_unique<TemelForm>(ProjeDeposu(bağlantı));
    m_pencere->show();
    while (!m_pencere->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EkranıTamamla();
}

ÖlçülenPencere::~ÖlçülenPencere()
{
    m_pencere.reset();
    ProjeDeposu::Kapat(m_bağlantı);
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
