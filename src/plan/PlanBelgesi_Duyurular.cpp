// What other planners write on a shared server, shown as the server announces it.
#include "plan/PlanBelgesi.h"

namespace {

// Time for the rest of a burst to arrive: a write of many rows announces each.
constexpr int DuyuruToplamaMs = 20;

} // namespace

void PlanBelgesi::DuyurulariDinle()
{
    disconnect(m_duyurular);
    QSqlDriver* kaynak = m_depo.DuyuruKaynagi();
    if (!kaynak)
        return;
    if (!m_duyuruBekleme) {
        m_duyuruBekleme = new QTimer(this);
        m_duyuruBekleme->setSingleShot(true);
        m_duyuruBekleme->setInterval(DuyuruToplamaMs);
        connect(m_duyuruBekleme, &QTimer::timeout, this, &PlanBelgesi::DuyurulariGoster);
    }
    m_duyurular = connect(kaynak, &QSqlDriver::notification, this, &PlanBelgesi::DuyuruGeldi);
}

void PlanBelgesi::DuyuruGeldi(const QString&, QSqlDriver::NotificationSource kaynak, const QVariant& yuk)
{
    // Our own writes were shown as they were made.
    if (kaynak == QSqlDriver::SelfSource)
        return;
    const QString metin = yuk.toString();
    const qsizetype ayrac = metin.indexOf(QLatin1Char(':'));
    if (ayrac < 0)
        return;
    if (metin.left(ayrac) == QLatin1String("0"))
        m_listeDuyuruldu = true;
    m_duyurulanProjeler.insert(metin.mid(ayrac + 1));
    if (!m_duyuruBekleme->isActive())
        m_duyuruBekleme->start();
}

void PlanBelgesi::DuyurulariGoster()
{
    const bool liste = m_listeDuyuruldu;
    // A name too long to announce comes as none, and may be the one selected.
    const bool secili = !m_secili.isEmpty()
                        && (m_duyurulanProjeler.contains(m_secili) || m_duyurulanProjeler.contains(QString()));
    m_listeDuyuruldu = false;
    m_duyurulanProjeler.clear();
    DepoHatasi hata;
    if (liste)
        hata = ProjeleriOku(m_secili);
    else if (secili)
        hata = Sec(m_secili);
    if (hata)
        emit okunamadi(hata);
}
