#pragma once

// A window laid out from right to left in a right-to-left language, as Qt's translations of
// Arabic and Hebrew lay it out.

#include "window_fixture.h"

#include <QGuiApplication>

namespace dutyloop::testing {

inline const QLocale kArabic(QLocale::Arabic, QLocale::Egypt);
inline const QLocale kHebrew(QLocale::Hebrew, QLocale::Israel);

// The window of crew 5 TFS on `today`; the test's cleanup() lays the application out from the
// left again.
inline WindowUnderTest RightToLeftWindow(const QLocale& locale, QDate today = QDate(2023, 10, 15)) {
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    WindowUnderTest window;
    window.adjustPlatform = [locale](Platform& platform) { platform.locale = locale; };
    // With a crew, the window opens on the calendar, where the keys walk the days; without
    // one it opens on the crew list, which takes them.
    WriteSettingsFile(window, "[Config]\nWorkAssign=5 TFS\n");
    // 1 October 2023 is a Sunday: the first cell of the grid, weeks starting on Sunday.
    StartWindow(window, today);
    return window;
}

} // namespace dutyloop::testing
