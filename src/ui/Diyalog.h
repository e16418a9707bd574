#pragma once

#include "ui/DiyalogBaglami.h"

#include <QPointer>
#include <QWidget>

class QLabel;

// A modeless dialog owned by the main window. Closing it (its close box, or close())
// unloads it: the next opening starts afresh.
class Diyalog : public QWidget {
public:
    explicit Diyalog(const DiyalogBaglami& baglam);

    // Shows the dialog centred over its owner the first time, then brings it to the front.
    void OneGetir();

protected:
    const DiyalogBaglami& baglam() const { return m_baglam; }
    PlanBelgesi& belge() const { return *m_baglam.belge; }
    // Reads the project list again with `gosterilecek` selected when listed; a failure
    // is said in the owner's box.
    void ProjeleriYenile(const QString& gosterilecek) const;
    // The line naming the selected project, or saying there is none or it could not be read.
    QString ProjeSatiri() const;
    // Esc and Ctrl+W close it, as they close the other windows.
    void KapatmaTuslariniKur();
    // The label of `arkadas`, its buddy: the label's access key moves the focus there.
    static QLabel* Etiket(const QString& metin, QWidget* arkadas);

private:
    DiyalogBaglami m_baglam;
    bool m_gosterildi = false;
};

// The dialog of that kind that is open, or a new one, brought to the front. A dialog
// closed in this same event is deleted only afterwards: it is no longer open.
template <typename Form, typename... Argumanlar>
Form* AcYaDaOneGetir(QPointer<Form>& form, const DiyalogBaglami& baglam, Argumanlar&&... argumanlar)
{
    if (!form || form->isHidden())
        form = new Form(baglam, std::forward<Argumanlar>(argumanlar)...);
    form->OneGetir();
    return form;
}
