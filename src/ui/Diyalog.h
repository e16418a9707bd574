#pragma once

#include "ui/DiyalogBaglami.h"

#include <QPointer>
#include <QWidget>

// A modeless dialog owned by the main window. Closing it (its close box, or close())
// unloads it: the next opening starts afresh.
class Diyalog : public QWidget {
public:
    explicit Diyalog(const DiyalogBağlamı& bağlam);

    // Shows the dialog centred over its owner the first time, then brings it to the front.
    void ÖneGetir();

protected:
    const DiyalogBağlamı& bağlam() const { return m_bağlam; }

private:
    DiyalogBağlamı m_bağlam;
    bool m_gösterildi = false;
};

// The dialog of that kind that is open, or a new one, brought to the front. A dialog
// closed in this same event is deleted only afterwards: it is no longer open.
template <typename Form, typename... Argümanlar>
Form* AçYaDaÖneGetir(QPointer<Form>& form, const DiyalogBağlamı& bağlam, Argümanlar&&... argümanlar)
{
    if (!form || form->isHidden())
        form = new Form(bağlam, std::forward<Argümanlar>(argümanlar)...);
    form->ÖneGetir();
    return form;
}
