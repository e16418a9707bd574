#include "ui/widgets/ListeKutusu.h"

#include "ui/widgets/TamSatir.h"

#include <QHelpEvent>
#include <QStringListModel>
#include <QToolTip>

namespace {

class TekSatirliMetin : public TamSatir {
public:
    using TamSatir::TamSatir;

    // Asked once per layout (the sizes are uniform); no width, so no text ever
    // widens the list past its view.
    QSize sizeHint(const QStyleOptionViewItem& secenek, const QModelIndex& oge) const override
    {
        return QSize(0, TamSatir::sizeHint(secenek, oge).height());
    }

    bool helpEvent(QHelpEvent* olay, QAbstractItemView* gorunum, const QStyleOptionViewItem& secenek,
                   const QModelIndex& oge) override
    {
        if (olay->type() != QEvent::ToolTip || !oge.isValid())
            return TamSatir::helpEvent(olay, gorunum, secenek, oge);
        QStyleOptionViewItem ayrinti = secenek;
        initStyleOption(&ayrinti, oge);
        const QRect metinAlani = gorunum->style()->subElementRect(QStyle::SE_ItemViewItemText, &ayrinti, gorunum);
        if (ayrinti.fontMetrics.horizontalAdvance(ayrinti.text) > metinAlani.width())
            QToolTip::showText(olay->globalPos(), ayrinti.text, gorunum);
        else
            QToolTip::hideText();
        return true;
    }
};

} // namespace

ListeKutusu::ListeKutusu(QWidget* ebeveyn) : SecimiKoruyanListe<QListView>(ebeveyn), m_metinler(new QStringListModel(this))
{
    setModel(m_metinler);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new TekSatirliMetin(this));
}

void ListeKutusu::Doldur(const QStringList& metinler)
{
    m_metinler->setStringList(metinler);
}

int ListeKutusu::Sayi() const
{
    return m_metinler->rowCount();
}

QStringList ListeKutusu::Metinler() const
{
    return m_metinler->stringList();
}

QString ListeKutusu::Metin(int satir) const
{
    return m_metinler->stringList().value(satir);
}

int ListeKutusu::Bul(const QString& metin) const
{
    return int(m_metinler->stringList().indexOf(metin));
}

void ListeKutusu::Sec(int satir)
{
    if (satir < 0)
        selectionModel()->clear();
    else
        setCurrentIndex(m_metinler->index(satir));
}

QString ListeKutusu::SeciliMetin() const
{
    const QModelIndexList secili = selectionModel()->selectedIndexes();
    return secili.isEmpty() ? QString() : Metin(secili.first().row());
}
