#pragma once

// Debian's libfaketime, which pins the clock of a program a test starts (LD_PRELOAD).

#include <QFileInfo>
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

} // namespace dutyloop::testing
