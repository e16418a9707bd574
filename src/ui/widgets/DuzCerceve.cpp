#include "ui/widgets/DuzCerceve.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

void DüzÇerçeve::paintEvent(QPaintEvent*)
{
    constexpr int BaşlıkSolu = 8; // the caption sits a little in from the left edge
    constexpr int BaşlıkBoşluğu = 2;
    QPainter boya(this);
    const QFontMetrics ölçü = fontMetrics();
    const QString başlık = title();
    // The line runs through the middle of the caption's line.
    const QRect çizgi = rect().adjusted(0, ölçü.height() / 2, 0, 0);
    qDrawShadeRect(&boya, çizgi, palette(), true, 1, 0);
    if (başlık.isEmpty())
        return;
    const QRect yazı(BaşlıkSolu, 0, ölçü.horizontalAdvance(başlık) + 2 * BaşlıkBoşluğu, ölçü.height());
    boya.fillRect(yazı, palette().window());
    style()->drawItemText(&boya, yazı, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), başlık,
                          QPalette::WindowText);
}
