#pragma once

#include <QAbstractItemView>
#include <QMouseEvent>

// What both lists of the main window do beyond a plain item view. The first Down or
// Up selects the first row (focus alone makes a row current without selecting it, so
// the view would move past it), and a click on the blank area below the rows keeps
// the selection, as a list box does: the window then never shows figures of a row
// that is not selected.
template <typename Görünüm>
class SeçimiKoruyanListe : public Görünüm {
public:
    using Görünüm::Görünüm;

protected:
    QModelIndex moveCursor(QAbstractItemView::CursorAction hareket, Qt::KeyboardModifiers tuşlar) override
    {
        const bool seçimYok = !this->selectionModel()->hasSelection();
        if (seçimYok && (hareket == QAbstractItemView::MoveDown || hareket == QAbstractItemView::MoveUp)
            && this->model()->rowCount(this->rootIndex()) > 0)
            return this->model()->index(0, 0, this->rootIndex());
        return Görünüm::moveCursor(hareket, tuşlar);
    }

    void mousePressEvent(QMouseEvent* olay) override
    {
        if (!this->indexAt(olay->position().toPoint()).isValid()) {
            this->setFocus(Qt::MouseFocusReason);
            return;
        }
        Görünüm::mousePressEvent(olay);
    }
};
