#include "platform/desktop_notifications.h"

#include "platform/product.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

namespace dutyloop {

void ShowDesktopNotification(const QString& summary) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QString applicationId = QString::fromLatin1(kApplicationId);
    // The desktop entry tells the notification service whose message it is, and lets it group
    // and mute Dutyloop's messages as the user chose for the program.
    const QVariantMap hints{{QStringLiteral("desktop-entry"), applicationId},
                            {QStringLiteral("category"), QStringLiteral("x-dutyloop.reminder")}};
    call << QStringLiteral("Dutyloop") << uint(0) << applicationId << summary << QString()
         << QStringList() << hints << int(-1);
    // Sent without waiting: the window does not stop for a slow or absent service.
    bus.asyncCall(call);
}

} // namespace dutyloop
