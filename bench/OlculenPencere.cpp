#include "OlculenPencere.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QSqlDatabase>
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
    QSqlDatabase::database(m_bağlantı, false).close();
    QSqlDatabase::removeDatabase(m_bağlantı);
}

QListWidgetItem* ÖlçülenPencere::Öğe(const QString& ad) const
{
    const auto öğeler = m_pencere->ProjeListesi->findItems(ad, Qt::MatchExactly);
    if (öğeler.isEmpty()) {
        std::fprintf(stderr, "\"%s\" projesi listede yok\n", qPrintable(ad));
        std::exit(1);
    }
    return öğeler.first();
}

void ÖlçülenPencere::Seç(QListWidgetItem* öğe)
{
    m_pencere->ProjeListesi->setCurrentItem(öğe);
}

void ÖlçülenPencere::SeçimiKaldır()
{
    m_pencere->ProjeListesi->clearSelection();
    EkranıTamamla();
}

void EkranıTamamla()
{
    // The first pass runs the posted relayouts and repaints; a second catches the
    // repaint that a relayout may ask for.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}
