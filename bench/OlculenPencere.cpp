#include "OlculenPencere.h"

#include "ui/widgets/ListeKutusu.h"

#include <QCoreApplication>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

OlculenPencere::OlculenPencere(const QString& yol) : m_baglanti(yol)
{
    Goster(yol);
}

OlculenPencere::OlculenPencere(const SunucuAdresi& adres) : m_baglanti(adres)
{
    Goster(GosterilecekAdres(adres));
}

void OlculenPencere::Goster(const QString& nerede)
{
    if (const DepoHatasi& hata = m_baglanti.hata()) {
        std::fprintf(stderr, "%s açılamadı: %s\n", qPrintable(nerede), qPrintable(hata.aciklama));
        std::exit(1);
    }
    m_belge = std::make_unique<PlanBelgesi>(m_baglanti.depo());
    m_pencere = std::make_unique<TemelForm>(*m_belge);
    m_pencere->show();
    while (!m_pencere->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EkraniTamamla();
}

OlculenPencere::~OlculenPencere()
{
    m_pencere.reset();
}

int OlculenPencere::Satir(const QString& ad) const
{
    const int satir = m_pencere->ProjeListesi->Bul(ad);
    if (satir < 0) {
        std::fprintf(stderr, "\"%s\" projesi listede yok\n", qPrintable(ad));
        std::exit(1);
    }
    return satir;
}

void OlculenPencere::Sec(int satir)
{
    m_pencere->ProjeListesi->Sec(satir);
}

void OlculenPencere::SecimiKaldir()
{
    m_pencere->ProjeListesi->Sec(-1);
    EkraniTamamla();
}

void EkraniTamamla()
{
    // The first pass runs the posted relayouts and repaints; a second catches the
    // repaint that a relayout may ask for.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}
