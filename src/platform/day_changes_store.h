#pragma once

#include "calendar/locale_settings.h"
#include "platform/file_services.h"
#include "schedule/day_changes.h"
#include "settings/day_changes_file.h"

#include <QString>
#include <optional>

namespace dutyloop {

// The days file as it stands on disk: every crew's changes, or, when something is there that
// cannot be read, what the user is told about it. A missing file holds no changes.
struct DaysFile {
    std::optional<DayChangesBySection> changes; // none when the file could not be read
    QString unreadable; // "Unable to read <path>: …"; empty when the file was read
};

DaysFile ReadDaysFile(const QString& path);

// One change asked for in the day's dialog.
struct DayChangeWrite {
    QString path;
    QString assignment;
    QDate date;
    DayChange seen;   // what the file held for the day when the dialog opened
    DayChange change; // what the dialog asks for
    LocaleSettings locale;
};

// What a write left behind: the file as it now stands and, when the change was not written, the
// message that says why.
struct DayChangeWritten {
    DaysFile file;
    QString refusal; // empty when the change is in the file
};

// Writes the change into the days file as it now stands on disk, so that lines written there by
// hand since are kept. Refused, with the file left as it was, where the file cannot be read,
// where the day itself was changed on disk since the dialog opened (the refusal says to what),
// where the file would grow past what can be read back, and where the write fails.
DayChangeWritten WriteDayChange(const DayChangeWrite& request, const WriteFault& fault = {});

} // namespace dutyloop
