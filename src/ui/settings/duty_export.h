#pragma once

#include "calendar/ical_export.h"
#include "calendar/locale_settings.h"
#include "platform/platform.h"
#include "settings/day_changes_file.h"
#include "settings/settings_file.h"
#include "ui/settings/export_dialog.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>

class QWidget;

namespace dutyloop {

// Writes the chosen calendar, stamped `stampUtc`, through the window's one way of writing a
// file, and gives the number of duty periods written. On failure the error box says why it
// could not write to <path>, and there is no result. The user's changes on the chosen crew's days
// count as they were made. An earlier export at the path is read first: the new file cancels its
// events that are gone (see DutyCalendarIcs). With the chosen crew's hours in `settings`, the duty
// is timed in `zone`; with its reminder, each duty is reminded of. A duty on one of `holidays`
// names it.
std::optional<int> ExportDutyCalendar(const ExportChoice& choice, const QDateTime& stampUtc,
                                      const Platform& platform, QWidget* window,
                                      const DayChangesBySection& dayChanges = {},
                                      const Settings& settings = {},
                                      const QTimeZone& zone = QTimeZone::systemTimeZone(),
                                      const HolidayList* holidays = nullptr);

// What the export dialog opens on: the window's assignment and month, and the folder of the
// last file exported (empty for the documents folder); the settings whose hours and reminder the
// export follows, and the public holidays the window marks, none where it marks none.
struct ExportStart {
    QString assignment;
    QDate shownDate;
    QString folder;
    Settings settings;
    const HolidayList* holidays = nullptr;
};

// What an export wrote: the file and the number of duty periods in it.
struct ExportReport {
    QString path;
    int dutyPeriods = 0;
};

// The whole export as the window's button runs it: the dialog, and on OK the file. Nothing when
// the user cancels or the file could not be written.
std::optional<ExportReport> RunExport(QWidget* window, const ExportStart& start,
                                      const Platform& platform,
                                      const DayChangesBySection& dayChanges);

// "57 duty periods written to <path>", in the user's language and the locale's digits.
QString ExportReportText(const ExportReport& report, const LocaleSettings& locale);

} // namespace dutyloop
