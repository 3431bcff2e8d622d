#include "platform/settings_location.h"

#include "platform/file_services.h"

#include <QDir>
#include <QFileInfo>

namespace dutyloop {

namespace {

// The first of the settings folders that passes `usable`, else base itself.
template <typename Usable> QString SettingsFileIn(const QString& base, Usable usable) {
    const QString candidates[] = {QDir(base).filePath(QStringLiteral("Halvorne/Dutyloop")),
                                  QDir(base).filePath(QStringLiteral("Dutyloop"))};
    QString folder = base;
    for (const QString& candidate : candidates) {
        if (usable(candidate)) {
            folder = candidate;
            break;
        }
    }
    return QDir(folder).filePath(QStringLiteral("dlTornvale.ini"));
}

} // namespace

QString FindSettingsFile(const QString& base) {
    return SettingsFileIn(base, [](const QString& folder) {
        return DirectoryExists(folder) || CreateDirectoryWithParents(folder);
    });
}

QString SettingsFileToRead(const QString& base) {
    return SettingsFileIn(base, DirectoryExists);
}

QString DaysFilePath(const QString& settingsFilePath) {
    return QFileInfo(settingsFilePath).dir().filePath(QStringLiteral("dutyloop-days.ini"));
}

} // namespace dutyloop
