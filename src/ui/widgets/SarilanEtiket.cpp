#include "ui/widgets/SarilanEtiket.h"

#include <QEvent>

SarilanEtiket::SarilanEtiket(QWidget* ebeveyn) : QLabel(ebeveyn)
{
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

int SarilanEtiket::heightForWidth(int genislik) const
{
    if (text() != m_olculenMetin) {
        m_olculenMetin = text();
        m_yukseklikler.clear();
    }
    auto yer = m_yukseklikler.constFind(genislik);
    if (yer == m_yukseklikler.cend())
        yer = m_yukseklikler.insert(genislik, QLabel::heightForWidth(genislik));
    return *yer;
}

void SarilanEtiket::changeEvent(QEvent* olay)
{
    // What else sets the heights: the font, the style and the margins.
    switch (olay->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
        m_yukseklikler.clear();
        break;
    default:
        break;
    }
    QLabel::changeEvent(olay);
}
