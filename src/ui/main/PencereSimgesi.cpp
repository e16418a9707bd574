#include "ui/main/PencereSimgesi.h"

#include <QPainter>
#include <QPixmap>

namespace {

// The drawing is made on a 16-pixel grid and painted afresh at each size, so that the
// large icon is as sharp as the small one.
QPixmap Ciz(int boyut)
{
    QPixmap resim(boyut, boyut);
    resim.fill(Qt::transparent);
    QPainter boya(&resim);
    boya.setRenderHint(QPainter::Antialiasing);
    boya.scale(boyut / 16.0, boyut / 16.0);

    const QPointF basla(2.5, 8), ust(8, 3), alt(8, 13), bitir(13.5, 8);
    boya.setPen(QPen(QColor(0, 0, 128), 1.2));
    boya.drawLine(basla, alt);
    boya.drawLine(alt, bitir);
    boya.setPen(QPen(QColor(200, 0, 0), 1.8));
    boya.drawLine(basla, ust);
    boya.drawLine(ust, bitir);

    boya.setPen(Qt::NoPen);
    boya.setBrush(QColor(0, 0, 128));
    for (const QPointF& dugum : {basla, ust, alt, bitir})
        boya.drawEllipse(dugum, 2.0, 2.0);
    boya.end();
    return resim;
}

} // namespace

QIcon PencereSimgesi()
{
    QIcon simge;
    for (int boyut : {16, 32})
        simge.addPixmap(Ciz(boyut));
    return simge;
}
