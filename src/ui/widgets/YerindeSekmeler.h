#pragma once

#include <QSize>
#include <QTabWidget>

// A tab widget that is not repainted whole when a page only asks its layout again.
// Qt's lays out and repaints all of itself at every such request, which a page sends
// whenever a label in it gets another text; the bar and the pages keep their places
// unless the bar's size or the widget's own changes, and those are still laid out.
class YerindeSekmeler : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

protected:
    bool event(QEvent* olay) override;

private:
    QSize m_cubukOlcusu;
};
