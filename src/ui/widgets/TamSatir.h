#pragma once

#include <QStyledItemDelegate>

// Item rows tall enough for the font's whole letters: the dots and breves of İ, Ö, Ğ
// and Ü stand above the font's ascent in some fonts (DejaVu Sans), where a row of
// the plain line height cuts them.
class TamSatir : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& secenek, const QModelIndex& oge) const override;
};
