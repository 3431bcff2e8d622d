#include "platform/day_changes_store.h"

#include "calendar/day_change_texts.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace dutyloop {

namespace {

struct DaysFileText {
    DaysFile file;
    QByteArray text;
};

DaysFileText ReadDaysFileText(const QString& path) {
    FileContent content = ReadFile(path);
    if (!content.read() && content.failure != ReadFailure::Missing)
        return {{std::nullopt, UnableToReadMessage(path, content)}, {}};
    return {{AllDayChangesFromText(content.bytes), {}}, std::move(content.bytes)};
}

QString NotSaved(const QString& why) {
    return QCoreApplication::translate("Files", "%1\nThe change was not saved.").arg(why);
}

} // namespace

DaysFile ReadDaysFile(const QString& path) {
    return ReadDaysFileText(path).file;
}

DayChangeWritten WriteDayChange(const DayChangeWrite& request, const WriteFault& fault) {
    // The folder may have gone since start-up made it.
    CreateDirectoryWithParents(QFileInfo(request.path).absolutePath());
    // What is there but cannot be read is not replaced: it would be lost.
    DaysFileText now = ReadDaysFileText(request.path);
    if (!now.file.changes)
        return {now.file, NotSaved(now.file.unreadable)};
    // Another hand changed the day since the dialog showed it; writing over it would lose that
    // without a word.
    const DayChange onDisk =
        StoredChangeOn(request.date, DayChangesUnder(*now.file.changes, request.assignment));
    if (onDisk != request.seen)
        return {now.file, DayChangedMeanwhileText(request.date, onDisk, request.locale)};
    const QByteArray text =
        TextWithDayChange(now.text, request.assignment, request.date, request.change);
    // Written, it could not be read back, and every change would seem gone.
    if (text.size() > kLargestReadableFile)
        return {now.file, NotSaved(QCoreApplication::translate(
                                       "Files", "The days file %1 would grow past %2, the "
                                                "most that can be read back.")
                                       .arg(request.path, LargestReadableFileText()))};
    const FileWrite write = WriteFileAtomicallyWithReason(request.path, text, fault);
    if (!write.written)
        return {now.file, UnableToWriteMessage(request.path, write.reason)};
    return {{AllDayChangesFromText(text), {}}, {}};
}

} // namespace dutyloop
