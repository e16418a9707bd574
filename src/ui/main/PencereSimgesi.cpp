#include "ui/main/PencereSimgesi.h"

#include <QPainter>
#include <QPixmap>

namespace {

// The drawing is made on a 16-pixel grid and painted afresh at each size, so that the
// large icon is as sharp as the small one.
QPixmap Çiz(int boyut)
{
    QPixmap resim(boyut, boyut);
    resim.fill(Qt::transparent);
    QPainter boya(&resim);
    boya.setRenderHint(QPainter::Antialiasing);
    boya.scale(boyut / 16.0, boyut / 16.0);

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
    return resim;
}

} // namespace

QIcon PencereSimgesi()
{
    QIcon simge;
    for (int boyut : {16, 32})
        simge.addPixmap(Çiz(boyut));
    return simge;
}
