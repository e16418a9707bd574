#pragma once

#include <QStyledItemDelegate>

// Cells of one line of text, painted as the style paints them but with the text shaped
// once: the style lays a cell's text out to learn whether it must be cut with "…", and
// then once more to draw it, which for a table of short figures is most of its paint.
// A text that does not fit, spans lines or sits beside an icon or a check box, and the
// cell with the focus, are left to the style.
class TekSekilliHucre : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* boyaci, const QStyleOptionViewItem& secenek, const QModelIndex& oge) const override;
};
