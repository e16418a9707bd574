#include "ui/PencereRolu.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace {

const char* const RolOzelligi = "kavrionErisilebilirRol";

QAccessibleInterface* Fabrika(const QString&, QObject* nesne)
{
    auto* pencere = qobject_cast<QWidget*>(nesne);
    if (!pencere || !pencere->isWindow())
        return nullptr;
    const QVariant rol = pencere->property(RolOzelligi);
    if (!rol.isValid())
        return nullptr;
    return new QAccessibleWidget(pencere, static_cast<QAccessible::Role>(rol.toInt()));
}

} // namespace

void PencereRolunuKur(QWidget* pencere, bool anaPencere)
{
    static const bool kuruldu = [] {
        QAccessible::installFactory(Fabrika);
        return true;
    }();
    Q_UNUSED(kuruldu);
    pencere->setProperty(RolOzelligi, int(anaPencere ? QAccessible::Window : QAccessible::Dialog));
}
