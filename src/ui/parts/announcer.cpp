#include "ui/parts/announcer.h"

#include <QAccessibleWidget>

namespace dutyloop {

namespace {

QAccessibleInterface* AnnouncerFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("dutyloop::Announcer") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(AnnouncerFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    // Shown only for a moment: a page coming into view would else show it, and say the last
    // message again.
    hide();
}

void Announcer::announce(const QString& message) {
    if (!parentWidget() || !parentWidget()->isVisible())
        return;
    setAccessibleName(message);
    // Coming into view is what a screen reader hears of; it reads the name it finds then.
    show();
    hide();
}

} // namespace dutyloop
