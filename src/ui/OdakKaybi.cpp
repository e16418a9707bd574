#include "ui/OdakKaybi.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>
#include <utility>

namespace {

class OdakKaybiSuzgeci : public QObject {
public:
    OdakKaybiSuzgeci(QWidget* alan, std::function<void()> kural) : QObject(alan), m_kural(std::move(kural)) {}

    void Calistir() const { m_kural(); }

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() == QEvent::FocusOut) {
            const Qt::FocusReason neden = static_cast<QFocusEvent*>(olay)->reason();
            if (neden != Qt::ActiveWindowFocusReason && neden != Qt::PopupFocusReason)
                Calistir();
        }
        return QObject::eventFilter(nesne, olay);
    }

private:
    std::function<void()> m_kural;
};

} // namespace

void OdakKaybindaCalistir(QWidget* alan, std::function<void()> kural)
{
    alan->installEventFilter(new OdakKaybiSuzgeci(alan, std::move(kural)));
}

void OdaktakiAlaninKuraliniCalistir(QWidget* pencere)
{
    const QWidget* odak = pencere->focusWidget();
    if (!odak)
        return;
    for (const QObject* cocuk : odak->children()) {
        if (const auto* suzgec = dynamic_cast<const OdakKaybiSuzgeci*>(cocuk))
            suzgec->Calistir();
    }
}
