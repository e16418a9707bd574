#include "ui/widgets/TamSatir.h"

#include <QFontMetrics>

QSize TamSatır::sizeHint(const QStyleOptionViewItem& seçenek, const QModelIndex& öğe) const
{
    const QSize boyut = QStyledItemDelegate::sizeHint(seçenek, öğe);
    const QFontMetrics& ölçü = seçenek.fontMetrics;
    // The text is centred on the line, so what rises above the ascent needs as much
    // room below it too; a pixel more on each side keeps the ink off the row's edge.
    const int taşan = std::max(0, -ölçü.boundingRect(QStringLiteral("İĞŞÇÖÜ")).top() - ölçü.ascent());
    return QSize(boyut.width(), std::max(boyut.height(), ölçü.height() + 2 * taşan + 2));
}
