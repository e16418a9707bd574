#include "ui/widgets/YerindeSekmeler.h"

#include <QEvent>
#include <QTabBar>

bool YerindeSekmeler::event(QEvent* olay)
{
    if (olay->type() == QEvent::LayoutRequest) {
        const QSize cubuk = tabBar()->sizeHint();
        if (cubuk == m_cubukOlcusu) {
            // A page's sizes may still have changed: the window's layout hears of it,
            // and a new size comes back here as a resize, which lays out as before.
            updateGeometry();
            return true;
        }
        m_cubukOlcusu = cubuk;
    }
    return QTabWidget::event(olay);
}
