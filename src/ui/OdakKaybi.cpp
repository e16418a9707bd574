#include "ui/OdakKaybi.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>
#include <utility>

namespace {

class OdakKaybıSüzgeci : public QObject {
public:
    OdakKaybıSüzgeci(QWidget* alan, std::function<void()> kural) : QObject(alan), m_kural(std::move(kural)) {}

    void Çalıştır() const { m_kural(); }

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() == QEvent::FocusOut) {
            const Qt::FocusReason neden = static_cast<QFocusEvent*>(olay)->reason();
            if (neden != Qt::ActiveWindowFocusReason && neden != Qt::PopupFocusReason)
                Çalıştır();
        }
        return QObject::eventFilter(nesne, olay);
    }

private:
    std::function<void()> m_kural;
};

} // namespace

void OdakKaybındaÇalıştır(QWidget* alan, std::function<void()> kural)
{
    alan->installEventFilter(new OdakKaybıSüzgeci(alan, std::move(kural)));
}

void OdaktakiAlanınKuralınıÇalıştır(QWidget* pencere)
{
    const QWidget* odak = pencere->focusWidget();
    if (!odak)
        return;
    for (const QObject* çocuk : odak->children()) {
        if (const auto* süzgeç = dynamic_cast<const OdakKaybıSüzgeci*>(çocuk))
            süzgeç->Çalıştır();
    }
}
