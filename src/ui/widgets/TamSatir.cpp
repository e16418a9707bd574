#include "ui/widgets/TamSatir.h"

#include <QFontMetrics>

QSize TamSatir::sizeHint(const QStyleOptionViewItem& secenek, const QModelIndex& oge) const
{
    const QSize boyut = QStyledItemDelegate::sizeHint(secenek, oge);
    const QFontMetrics& olcu = secenek.fontMetrics;
    // The text is centred on the line, so what rises above the ascent needs as much
    // room below it too; a pixel more on each side keeps the ink off the row's edge.
    const int tasan = std::max(0, -olcu.boundingRect(QStringLiteral("İĞŞÇÖÜ")).top() - olcu.ascent());
    return QSize(boyut.width(), std::max(boyut.height(), olcu.height() + 2 * tasan + 2));
}
