#pragma once

// Debian's libfaketime, which pins the clock of a program a test starts (LD_PRELOAD).

#include <QFileInfo>
#include <QProcessEnvironment>
#include <QString>

namespace dutyloop::testing {

// The library's path; empty where it is not installed.
inline QString FaketimeLibrary() {
    for (const char* folder : {"/usr/lib/x86_64-linux-gnu/faketime",
                               "/usr/lib/aarch64-linux-gnu/faketime", "/usr/lib/faketime"}) {
        const QString path = QString::fromLatin1(folder) + QStringLiteral("/libfaketime.so.1");
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

// The program's environment as a timer starts it: no display, the language `lang`, the settings
// under `configHome`, Berlin's time zone, and the clock pinned at `moment` ("@2027-03-10
// 09:00:00").
inline QProcessEnvironment TimerEnvironment(const QString& configHome, const QString& moment,
                                            const QString& lang = QStringLiteral("en_US.UTF-8")) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LANG"), lang);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    environment.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Berlin"));
    environment.insert(QStringLiteral("LD_PRELOAD"), FaketimeLibrary());
    environment.insert(QStringLiteral("FAKETIME"), moment);
    environment.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    return environment;
}

} // namespace dutyloop::testing
