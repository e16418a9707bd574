#include "ui/widgets/ListeKutusu.h"

#include "ui/widgets/TamSatir.h"

#include <QHelpEvent>
#include <QStringListModel>
#include <QToolTip>

namespace {

class TekSatırlıMetin : public TamSatır {
public:
    using TamSatır::TamSatır;

    // Asked once per layout (the sizes are uniform); no width, so no text ever
    // widens the list past its view.
    QSize sizeHint(const QStyleOptionViewItem& seçenek, const QModelIndex& öğe) const override
    {
        return QSize(0, TamSatır::sizeHint(seçenek, öğe).height());
    }

    bool helpEvent(QHelpEvent* olay, QAbstractItemView* görünüm, const QStyleOptionViewItem& seçenek,
                   const QModelIndex& öğe) override
    {
        if (olay->type() != QEvent::ToolTip || !öğe.isValid())
            return TamSatır::helpEvent(olay, görünüm, seçenek, öğe);
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

ListeKutusu::ListeKutusu(QWidget* ebeveyn) : SeçimiKoruyanListe<QListView>(ebeveyn), m_metinler(new QStringListModel(this))
{
    setModel(m_metinler);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new TekSatırlıMetin(this));
}

void ListeKutusu::Doldur(const QStringList& metinler)
{
    m_metinler->setStringList(metinler);
}

int ListeKutusu::Sayı() const
{
    return m_metinler->rowCount();
}

QStringList ListeKutusu::Metinler() const
{
    return m_metinler->stringList();
}

QString ListeKutusu::Metin(int satır) const
{
    return m_metinler->stringList().value(satır);
}

int ListeKutusu::Bul(const QString& metin) const
{
    return int(m_metinler->stringList().indexOf(metin));
}

void ListeKutusu::Seç(int satır)
{
    if (satır < 0)
        selectionModel()->clear();
    else
        setCurrentIndex(m_metinler->index(satır));
}

QString ListeKutusu::SeçiliMetin() const
{
    const QModelIndexList seçili = selectionModel()->selectedIndexes();
    return seçili.isEmpty() ? QString() : Metin(seçili.first().row());
}
