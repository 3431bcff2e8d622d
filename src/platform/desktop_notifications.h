#pragma once

#include <QString>

namespace dutyloop {

// Asks the desktop's notification service (org.freedesktop.Notifications on the session bus)
// to show `summary` as Dutyloop's, with the program's icon. Nothing happens where there is no
// session bus or no such service: a missing reminder on the desktop is no reason to stop.
void ShowDesktopNotification(const QString& summary);

} // namespace dutyloop
