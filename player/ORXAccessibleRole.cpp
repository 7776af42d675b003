#include "ORXAccessibleRole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {
constexpr const char* kRoleProperty = "orxAccessibleRole";

QAccessibleInterface* interfaceWithRole(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
}
} // namespace

void ORXAccessibleRole::setRole(QWidget* widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceWithRole);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(kRoleProperty, int(role));
}
