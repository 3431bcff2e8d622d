#include "platform/holiday_calendar.h"

#include "calendar/date_moves.h"
#include "calendar/holiday_file.h"
#include "platform/file_services.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <cerrno>

namespace dutyloop {

namespace {

// So many names of events cut short are listed; the rest are counted.
constexpr qsizetype kNamesListed = 5;

QString CutShortMessage(const QString& path, const QStringList& names) {
    QStringList listed = names.mid(0, kNamesListed);
    if (names.size() > kNamesListed)
        listed.append(QCoreApplication::translate("Holidays", "and %n more", nullptr,
                                                  int(names.size() - kNamesListed)));
    //: The file, then the names of its events, as "Founders' Day, Town fair".
    return QCoreApplication::translate(
               "Holidays", "%1 asks for more days than a calendar of holidays holds; not every "
                           "repetition of these events is marked: %2.")
        .arg(path, listed.join(QStringLiteral(", ")));
}

} // namespace

HolidayCalendar LoadHolidayCalendar(const Settings& settings) {
    if (settings.holidayFile.isEmpty()) {
        if (settings.holidayRegion == HolidayRegion::None)
            return {};
        return {HolidaysInYears(settings.holidayRegion, kPickerFirstDate.year(),
                                kPickerLastDate.year()),
                {}};
    }
    FileContent content = ReadFile(settings.holidayFile);
    if (content.failure == ReadFailure::Missing) {
        // A file chosen and gone is a fault here, unlike a days file not yet written.
        content.failure = ReadFailure::SystemError;
        content.systemError = ENOENT;
    }
    if (!content.read())
        return {std::nullopt, UnableToReadMessage(settings.holidayFile, content)};
    std::optional<HolidayFileDays> days = HolidaysOfIcalText(
        content.bytes, kPickerFirstDate, kPickerLastDate, QTimeZone::systemTimeZone());
    if (!days)
        return {std::nullopt,
                QCoreApplication::translate("Holidays", "%1 is no iCalendar file of holidays.")
                    .arg(settings.holidayFile)};
    const QString notice = days->cutShort.isEmpty()
                               ? QString()
                               : CutShortMessage(settings.holidayFile, days->cutShort);
    return {std::move(days->holidays), notice};
}

} // namespace dutyloop
