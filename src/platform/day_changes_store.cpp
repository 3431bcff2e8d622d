#include "platform/day_changes_store.h"

#include "platform/file_services.h"
#include "settings/day_changes_file.h"

#include <QFileInfo>

namespace dutyloop {

DayChanges LoadDayChanges(const QString& path, const QString& assignment) {
    return DayChangesFromText(ReadFileBytes(path).value_or(QByteArray()), assignment);
}

DayChangesBySection LoadAllDayChanges(const QString& path) {
    return AllDayChangesFromText(ReadFileBytes(path).value_or(QByteArray()));
}

std::optional<DayChangesBySection> StoreDayChange(const Platform& platform, QWidget* window,
                                                  const QString& path, const QString& assignment,
                                                  Date date, const DayChange& change) {
    // The folder may have gone since start-up made it.
    CreateDirectoryWithParents(QFileInfo(path).absolutePath());
    // What is there but cannot be read (no regular file, or far too large) is not replaced.
    const std::optional<QByteArray> current = ReadFileBytes(path);
    if (!current && QFileInfo(path).exists()) {
        platform.showError(window, UnableToWriteMessage(path));
        return std::nullopt;
    }
    const QByteArray text =
        TextWithDayChange(current.value_or(QByteArray()), assignment, date, change);
    if (!WriteFileOrShowError(platform, window, path, text))
        return std::nullopt;
    return AllDayChangesFromText(text);
}

} // namespace dutyloop
