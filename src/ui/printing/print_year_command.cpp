#include "ui/printing/print_year_command.h"

#include "platform/day_changes_store.h"
#include "platform/file_services.h"
#include "platform/holiday_calendar.h"
#include "platform/output_file.h"
#include "platform/settings_location.h"
#include "settings/settings_file.h"
#include "ui/printing/year_pdf.h"
#include "ui/printing/year_printing.h"

#include <cstdio>

namespace dutyloop {

int PrintYearToFile(const CommandLine& line, const QLocale& locale, QDate today,
                    const QString& configFolder) {
    const QString settingsFile = SettingsFileToRead(configFolder);
    const LocaleSettings localeSettings = CaptureLocaleSettings(locale);
    const Settings settings = SettingsFromText(ReadFileBytes(settingsFile).value_or(QByteArray()),
                                               localeSettings.weeksStartOnMonday);
    // A year counted without the user's own days would be wrong without a word.
    const DaysFile days = ReadDaysFile(DaysFilePath(settingsFile));
    if (!days.changes) {
        std::fputs(QStringLiteral("dutyloop: %1\n").arg(days.unreadable).toLocal8Bit().constData(),
                   stderr);
        return 1;
    }
    // Holidays that cannot be had stop the page, as the days do; a file read in part is said so.
    const HolidayCalendar holidays = LoadHolidayCalendar(settings);
    if (!holidays.error.isEmpty())
        std::fputs(QStringLiteral("dutyloop: %1\n").arg(holidays.error).toLocal8Bit().constData(),
                   stderr);
    if (!holidays.holidays && !settings.holidayFile.isEmpty())
        return 1;
    const YearPage page = YearPageForCrew(line.crew, line.printYear, settings, localeSettings,
                                          today, DayChangesUnder(*days.changes, line.crew),
                                          holidays.holidays ? &*holidays.holidays : nullptr);
    const QByteArray pdf = YearPagePdf(page, PaperFor(locale));
    const FileWrite write = pdf.isEmpty() ? FileWrite{} : WriteOutputFile(line.pdfPath, pdf);
    if (write.written)
        return 0;
    const QString message = ProgramMessage(UnableToWriteMessage(line.pdfPath, write.reason));
    std::fputs(message.toLocal8Bit().constData(), stderr);
    return 1;
}

} // namespace dutyloop
