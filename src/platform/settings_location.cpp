#include "platform/settings_location.h"

#include "platform/file_services.h"

namespace dutyloop {

QString FindSettingsFile(const QString& base) {
    const QString candidates[] = {
        JoinPath(JoinPath(base, QStringLiteral("Halvorne")), QStringLiteral("Dutyloop")),
        JoinPath(base, QStringLiteral("Dutyloop"))};
    QString folder = base;
    for (const QString& candidate : candidates) {
        if (DirectoryExists(candidate) || CreateDirectoryWithParents(candidate)) {
            folder = candidate;
            break;
        }
    }
    return JoinPath(folder, QStringLiteral("dlTornvale.ini"));
}

QString DaysFilePath(const QString& settingsFilePath) {
    const qsizetype slash = settingsFilePath.lastIndexOf(QLatin1Char('/'));
    return JoinPath(slash < 0 ? QString() : settingsFilePath.left(slash),
                    QStringLiteral("dutyloop-days.ini"));
}

} // namespace dutyloop
