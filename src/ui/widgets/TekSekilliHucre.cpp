#include "ui/widgets/TekSekilliHucre.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

void TekSekilliHucre::paint(QPainter* boyaci, const QStyleOptionViewItem& secenek, const QModelIndex& oge) const
{
    QStyleOptionViewItem hucre = secenek;
    initStyleOption(&hucre, oge);
    const bool yalinMetin = !hucre.text.isEmpty() && !(hucre.features & QStyleOptionViewItem::WrapText) &&
                            !(hucre.features & QStyleOptionViewItem::HasCheckIndicator) &&
                            !(hucre.features & QStyleOptionViewItem::HasDecoration) &&
                            !hucre.text.contains(QChar::LineSeparator) &&
                            !(hucre.state & (QStyle::State_Editing | QStyle::State_HasFocus));
    if (!yalinMetin) {
        QStyledItemDelegate::paint(boyaci, secenek, oge);
        return;
    }
    const QWidget* gorunum = hucre.widget;
    const QStyle* stil = gorunum ? gorunum->style() : QApplication::style();
    // Where and how the style's own text drawing puts it: without an icon or a check box the
    // text has the whole cell (asking the style would lay the text out to measure it).
    const int kenar = stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, gorunum) + 1;
    const QRect alan = hucre.rect.adjusted(kenar, 0, -kenar, 0);
    QTextOption secenekler;
    secenekler.setWrapMode(QTextOption::ManualWrap);
    secenekler.setTextDirection(hucre.direction);
    secenekler.setAlignment(QStyle::visualAlignment(hucre.direction, hucre.displayAlignment));
    QTextLayout yerlesim(hucre.text, hucre.font);
    yerlesim.setTextOption(secenekler);
    yerlesim.beginLayout();
    QTextLine satir = yerlesim.createLine();
    satir.setLineWidth(alan.width());
    satir.setPosition(QPointF(0, 0));
    yerlesim.endLayout();
    const QRect kutu = QStyle::alignedRect(Qt::LeftToRight, hucre.displayAlignment,
                                           yerlesim.boundingRect().size().toSize(), alan);
    if (satir.naturalTextWidth() > alan.width() || kutu.top() + satir.height() <= alan.top()) {
        QStyledItemDelegate::paint(boyaci, secenek, oge);
        return;
    }

    // The background and the selection as the style draws them, then the text; the one cell
    // with the focus frame, which some styles draw over the text, was left to the style.
    const QString metin = hucre.text;
    hucre.text.clear();
    stil->drawControl(QStyle::CE_ItemViewItem, &hucre, boyaci, gorunum);
    QPalette::ColorGroup grup = hucre.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (grup == QPalette::Normal && !(hucre.state & QStyle::State_Active))
        grup = QPalette::Inactive;
    boyaci->save();
    boyaci->setClipRect(hucre.rect);
    boyaci->setPen(hucre.palette.color(grup, hucre.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                : QPalette::Text));
    yerlesim.draw(boyaci, QPointF(alan.x(), kutu.top()));
    boyaci->restore();
}
