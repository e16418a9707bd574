#pragma once

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>

// What both lists of the main window do beyond a plain item view. The first Down, Up
// or Home selects the first row and the first End the last (focus alone makes a row
// current without selecting it, so the view would move past it or stay), and a click on the blank area below the rows keeps
// the selection, as a list box does: the window then never shows figures of a row
// that is not selected.
template <typename Gorunum>
class SecimiKoruyanListe : public Gorunum {
public:
    using Gorunum::Gorunum;

protected:
    void keyPressEvent(QKeyEvent* olay) override
    {
        const int tus = olay->key();
        const bool ilkTus = tus == Qt::Key_Down || tus == Qt::Key_Up || tus == Qt::Key_Home || tus == Qt::Key_End;
        const int satirlar = this->model()->rowCount(this->rootIndex());
        if (ilkTus && !this->selectionModel()->hasSelection() && satirlar > 0) {
            this->setCurrentIndex(this->model()->index(tus == Qt::Key_End ? satirlar - 1 : 0, 0, this->rootIndex()));
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
