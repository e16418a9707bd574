#include "ui/analysis/RiskGrafigi.h"

#include <QPainter>

RiskGrafigi::RiskGrafigi(QWidget* ust) : QWidget(ust)
{
    setAccessibleName(QStringLiteral("Bitiş dağılımı ve duyarlılıklar"));
    setMinimumHeight(fontMetrics().height() * 6);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void RiskGrafigi::Goster(const RiskSonucu& sonuc, const QStringList& kodlar)
{
    m_sonuc = sonuc;
    m_kodlar = kodlar;
    update();
}

void RiskGrafigi::paintEvent(QPaintEvent*)
{
    QPainter boyaci(this);
    boyaci.setRenderHint(QPainter::Antialiasing);
    const QRectF alan = QRectF(rect()).adjusted(6, 6, -6, -6);
    const double bolum = alan.width() * 0.6;
    m_sonCizilen = {HistogramCiz(boyaci, QRectF(alan.left(), alan.top(), bolum - 12, alan.height()), m_sonuc, font()),
                    KasirgaCiz(boyaci, QRectF(alan.left() + bolum, alan.top(), alan.width() - bolum, alan.height()),
                               m_sonuc, m_kodlar, font())};
}
