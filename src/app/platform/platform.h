#pragma once

#include <QDate>
#include <QLocale>
#include <functional>

namespace dutyloop {

// What the window takes from the system: today's local date and the locale. Tests pass
// their own so that neither varies.
struct Platform {
    std::function<QDate()> today;
    QLocale locale;
};

Platform SystemPlatform();

} // namespace dutyloop
