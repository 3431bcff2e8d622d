#include "platform/settings_location.h"

#include "platform/file_services.h"

#include <QDir>
#include <QFileInfo>

namespace dutyloop {

QString FindSettingsFile(const QString& base) {
    const QString candidates[] = {QDir(base).filePath(QStringLiteral("Halvorne/Dutyloop")),
                                  QDir(base).filePath(QStringLiteral("Dutyloop"))};
    QString folder = base;
    for (const QString& candidate : candidates) {
        if (DirectoryExists(candidate) || CreateDirectoryWithParents(candidate)) {
            folder = candidate;
            break;
        }
    }
    return QDir(folder).filePath(QStringLiteral("dlTornvale.ini"));
}

QString DaysFilePath(const QString& settingsFilePath) {
    return QFileInfo(settingsFilePath).dir().filePath(QStringLiteral("dutyloop-days.ini"));
}

} // namespace dutyloop
