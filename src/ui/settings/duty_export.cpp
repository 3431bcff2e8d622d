#include "ui/settings/duty_export.h"

#include "calendar/ical_export.h"
#include "calendar/isolated_runs.h"
#include "platform/file_services.h"

#include <QDir>

namespace dutyloop {

std::optional<int> ExportDutyCalendar(const ExportChoice& choice, const QDateTime& stampUtc,
                                      const Platform& platform, QWidget* window,
                                      const DayChangesBySection& dayChanges,
                                      const Settings& settings, const QTimeZone& zone,
                                      const HolidayList* holidays) {
    const DayRange range = DutyCalendarRange(choice.firstMonth, choice.months);
    // The file this one replaces is most likely the one the user imported last: what it had and
    // this one has not is cancelled, so that importing this one takes it out of the calendar.
    const DutyCalendar calendar = DutyCalendarIcs(
        choice.assignment, range.first, range.last, stampUtc,
        DayChangesUnder(dayChanges, choice.assignment), ReadFileBytes(choice.path).value_or(""),
        ExportTimingFor(settings, choice.assignment, zone), holidays);
    if (!WriteFileOrShowError(platform, window, choice.path, calendar.ics))
        return std::nullopt;
    return calendar.dutyPeriods;
}

std::optional<ExportReport> RunExport(QWidget* window, const ExportStart& start,
                                      const Platform& platform,
                                      const DayChangesBySection& dayChanges) {
    ExportDialog dialog(start.assignment, start.shownDate, platform, window);
    dialog.setFolder(start.folder);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const ExportChoice choice = dialog.choice();
    const std::optional<int> written =
        ExportDutyCalendar(choice, QDateTime::currentDateTimeUtc(), platform, window, dayChanges,
                           start.settings, platform.now().timeZone(), start.holidays);
    if (!written)
        return std::nullopt;
    return ExportReport{choice.path, *written};
}

QString ExportReportText(const ExportReport& report, const LocaleSettings& locale) {
    return CountText("dutyloop::ExportDialog",
                     QT_TRANSLATE_N_NOOP("dutyloop::ExportDialog", "%n duty periods written to %1"),
                     report.dutyPeriods, locale)
        .arg(LeftToRightRun(QDir::toNativeSeparators(report.path), locale));
}

} // namespace dutyloop
