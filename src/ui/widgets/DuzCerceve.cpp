#include "ui/widgets/DuzCerceve.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

void DuzCerceve::paintEvent(QPaintEvent*)
{
    constexpr int BaslikSolu = 8; // the caption sits a little in from the left edge
    constexpr int BaslikBoslugu = 2;
    QPainter boya(this);
    const QFontMetrics olcu = fontMetrics();
    const QString baslik = title();
    // The line runs through the middle of the caption's line.
    const QRect cizgi = rect().adjusted(0, olcu.height() / 2, 0, 0);
    qDrawShadeRect(&boya, cizgi, palette(), true, 1, 0);
    if (baslik.isEmpty())
        return;
    const QRect yazi(BaslikSolu, 0, olcu.horizontalAdvance(baslik) + 2 * BaslikBoslugu, olcu.height());
    boya.fillRect(yazi, palette().window());
    style()->drawItemText(&boya, yazi, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), baslik,
                          QPalette::WindowText);
}
