#pragma once

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>

// What both lists of the main window do beyond a plain item view. The first Down or
// Up selects the first row (focus alone makes a row current without selecting it, so
// the view would move past it), and a click on the blank area below the rows keeps
// the selection, as a list box does: the window then never shows figures of a row
// that is not selected.
template <typename Gorunum>
class SecimiKoruyanListe : public Gorunum {
public:
    using Gorunum::Gorunum;

protected:
    void keyPressEvent(QKeyEvent* olay) override
    {
        const bool ilkOk = olay->key() == Qt::Key_Down || olay->key() == Qt::Key_Up;
        if (ilkOk && !this->selectionModel()->hasSelection() && this->model()->rowCount(this->rootIndex()) > 0) {
            this->setCurrentIndex(this->model()->index(0, 0, this->rootIndex()));
            return;
        }
        Gorunum::keyPressEvent(olay);
    }

    void mousePressEvent(QMouseEvent* olay) override
    {
        if (!this->indexAt(olay->position().toPoint()).isValid()) {
            this->setFocus(Qt::MouseFocusReason);
            return;
        }
        Gorunum::mousePressEvent(olay);
    }
};
