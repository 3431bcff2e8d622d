#include "ui/parts/accessible_role.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace dutyloop {

namespace {

constexpr char kRoleProperty[] = "dutyloopAccessibleRole";

QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object),
                                 static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(RoleFactory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(kRoleProperty, int(role));
}

} // namespace dutyloop
