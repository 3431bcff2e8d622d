#pragma once

#include "platform/file_services.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

class QWidget;

namespace dutyloop {

// What the window takes from the system and hands to it: today's local date, the locale, the
// folder the settings live under, opening a link, and the one error box. Tests pass their own
// so that nothing varies and nothing leaves the test.
struct Platform {
    std::function<QDate()> today;
    // How often the window looks whether today has changed: at midnight, after a resume from
    // suspend or a change of the clock.
    std::chrono::milliseconds dayCheckInterval{30000};
    QLocale locale;
    QString configFolder;
    // Where exported and saved files are proposed.
    QString documentsFolder;
    std::function<void(const QUrl&)> openUrl;
    std::function<void(QWidget* window, const QString& message)> showError;
    // Asks where to save a file, offering `proposed`; empty when the user cancels. The window
    // is given the system's save dialog; without one, nothing is chosen.
    std::function<QString(QWidget* window, const QString& title, const QString& proposed,
                          const QString& filter)>
        chooseSaveFile;
    // Asks for a file to read, starting in `folder`; empty when the user cancels or where there
    // is no dialog.
    std::function<QString(QWidget* window, const QString& title, const QString& folder,
                          const QString& filter)>
        chooseOpenFile;
    // Asks for a folder, starting in `folder`; empty when the user cancels or where there is no
    // dialog.
    std::function<QString(QWidget* window, const QString& title, const QString& folder)>
        chooseFolder;
    // Makes the program's file writes fail at a chosen step; the system's never does.
    WriteFault writeFault;
    // The moment now in the user's time zone, by which the desktop's reminders of duty fall due;
    // its zone is the one duty hours are counted and exported in, where a 24-hour duty across a
    // change of the clocks has 23 or 25 hours.
    std::function<QDateTime()> now;
    // Shows a notification on the desktop.
    std::function<void(const QString& summary)> notify;
};

Platform SystemPlatform();

// Every file the window writes is written here: the whole file in one step, and on failure
// "Unable to write to <path>: <reason>." through the platform's error box. True when the file
// now holds `bytes`.
bool WriteFileOrShowError(const Platform& platform, QWidget* window, const QString& path,
                          const QByteArray& bytes);

// A platform that stands still: a fixed day and locale, settings and documents under
// `configFolder`, and links, errors and save dialogs that go nowhere. For tests and the rendering
// of pictures.
Platform FixedPlatform(QDate today, QLocale locale, QString configFolder);

} // namespace dutyloop
