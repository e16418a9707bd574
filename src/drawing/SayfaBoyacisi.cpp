#include "drawing/SayfaBoyacisi.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPaintDevice>

namespace {

double SatirYuksekligi(const QFont& yazi)
{
    return QFontMetricsF(yazi).height() * 1.35;
}

} // namespace

SayfaBoyacisi::SayfaBoyacisi(QPaintDevice& aygit, const QPageLayout& duzen, const std::function<void()>& yeniSayfa,
                             const QString& proje, const QFont& yazi)
    : m_yeniSayfa(yeniSayfa), m_proje(proje), m_yazi(yazi)
{
    m_alan = Alan(duzen, m_yazi);
    m_boyaci.begin(&aygit);
    const double olcek = aygit.logicalDpiX() / 72.0;
    m_boyaci.scale(olcek, olcek);
    m_boyaci.setFont(m_yazi);
    m_satir = SatirYuksekligi(m_yazi);
}

QRectF SayfaBoyacisi::Alan(const QPageLayout& duzen, const QFont& yazi)
{
    const QRectF sayfa = duzen.paintRect(QPageLayout::Point);
    QRectF alan(0, 0, sayfa.width(), sayfa.height());
    // Room at the foot of every page for its number.
    alan.setBottom(alan.bottom() - SatirYuksekligi(yazi) * 1.5);
    return alan;
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
