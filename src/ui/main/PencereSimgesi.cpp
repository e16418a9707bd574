#include "ui/main/PencereSimgesi.h"

#include <QPainter>
#include <QPixmap>

QIcon PencereSimgesi()
{
    QPixmap resim(16, 16);
    resim.fill(Qt::transparent);
    QPainter boya(&resim);
    boya.setRenderHint(QPainter::Antialiasing);

    const QPointF başla(2.5, 8), üst(8, 3), alt(8, 13), bitir(13.5, 8);
    boya.setPen(QPen(QColor(0, 0, 128), 1.2));
    boya.drawLine(başla, alt);
    boya.drawLine(alt, bitir);
    boya.setPen(QPen(QColor(200, 0, 0), 1.8));
    boya.drawLine(başla, üst);
    boya.drawLine(üst, bitir);

    boya.setPen(Qt::NoPen);
    boya.setBrush(QColor(0, 0, 128));
    for (const QPointF& düğüm : {başla, üst, alt, bitir})
        boya.drawEllipse(düğüm, 2.0, 2.0);
    boya.end();
    return QIcon(resim);
}
