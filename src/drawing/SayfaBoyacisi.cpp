#include "drawing/SayfaBoyacisi.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPaintDevice>

SayfaBoyacisi::SayfaBoyacisi(QPaintDevice& aygit, const QPageLayout& duzen, const std::function<void()>& yeniSayfa,
                             const QString& proje, const QFont& yazi)
    : m_yeniSayfa(yeniSayfa), m_proje(proje), m_yazi(yazi)
{
    const QRectF alan = duzen.paintRect(QPageLayout::Point);
    m_alan = QRectF(0, 0, alan.width(), alan.height());
    m_boyaci.begin(&aygit);
    const double olcek = aygit.logicalDpiX() / 72.0;
    m_boyaci.scale(olcek, olcek);
    m_boyaci.setFont(m_yazi);
    const QFontMetricsF olcu(m_yazi);
    m_satir = olcu.height() * 1.35;
    // Room at the foot of every page for its number.
    m_alan.setBottom(m_alan.bottom() - m_satir * 1.5);
}

SayfaBoyacisi::~SayfaBoyacisi()
{
    Altlik();
    m_boyaci.end();
}

void SayfaBoyacisi::YeniSayfa()
{
    Altlik();
    m_yeniSayfa();
    ++m_sayfa;
}

void SayfaBoyacisi::Altlik()
{
    m_boyaci.save();
    m_boyaci.setFont(m_yazi);
    m_boyaci.setPen(Qt::darkGray);
    const QRectF altlik(0, m_alan.bottom() + m_satir * 0.5, m_alan.width(), m_satir);
    const QFontMetricsF olcu(m_yazi);
    m_boyaci.drawText(altlik, Qt::AlignLeft | Qt::AlignVCenter,
                      olcu.elidedText(QStringLiteral("Kavrion – %1").arg(m_proje), Qt::ElideRight, m_alan.width() * 0.8));
    m_boyaci.drawText(altlik, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Sayfa %1").arg(m_sayfa));
    m_boyaci.restore();
}
