#include "ui/main/ProjeListesiGorunumu.h"

#include <QHelpEvent>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

class TekSatırlıAd : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Asked once per layout (the list's sizes are uniform); no width, so no name
    // ever widens the list past its view.
    QSize sizeHint(const QStyleOptionViewItem& seçenek, const QModelIndex& öğe) const override
    {
        return QSize(0, QStyledItemDelegate::sizeHint(seçenek, öğe).height());
    }

    bool helpEvent(QHelpEvent* olay, QAbstractItemView* görünüm, const QStyleOptionViewItem& seçenek,
                   const QModelIndex& öğe) override
    {
        if (olay->type() != QEvent::ToolTip || !öğe.isValid())
            return QStyledItemDelegate::helpEvent(olay, görünüm, seçenek, öğe);
        QStyleOptionViewItem ayrıntı = seçenek;
        initStyleOption(&ayrıntı, öğe);
        const QRect metinAlanı = görünüm->style()->subElementRect(QStyle::SE_ItemViewItemText, &ayrıntı, görünüm);
        if (ayrıntı.fontMetrics.horizontalAdvance(ayrıntı.text) > metinAlanı.width())
            QToolTip::showText(olay->globalPos(), ayrıntı.text, görünüm);
        else
            QToolTip::hideText();
        return true;
    }
};

} // namespace

void ProjeListesiGörünümünüKur(QListWidget* liste)
{
    liste->setUniformItemSizes(true);
    liste->setTextElideMode(Qt::ElideRight);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste->setItemDelegate(new TekSatırlıAd(liste));
}
