#include "platform/holiday_calendar.h"

#include "calendar/date_moves.h"
#include "calendar/ical_component.h"
#include "platform/file_services.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace dutyloop {

namespace {

// A calendar of holidays holds some dozens a year; more than this many days in all is no
// holiday calendar, and reading on would only cost memory.
constexpr std::size_t kMostHolidayDays = 100000;
// An event longer than this is no holiday.
constexpr int kLongestHoliday = 31;

QDate DateOf(const icaltimetype& time) {
    return icaltime_is_null_time(time) ? QDate() : QDate(time.year, time.month, time.day);
}

// The days one occurrence covers: from its start up to, not including, its end (the end of an
// all-day event is the day after it), and at least its first day.
void AddDays(QDate start, int length, const QString& title, HolidayList& into) {
    for (int day = 0; day < length && into.size() < kMostHolidayDays; ++day) {
        const QDate date = start.addDays(day);
        if (date >= kPickerFirstDate && date <= kPickerLastDate)
            into.push_back({date, HolidayName::Titled, false, title});
    }
}

void AddEvent(icalcomponent* event, HolidayList& into) {
    const icaltimetype start = icalcomponent_get_dtstart(event);
    const QDate first = DateOf(start);
    if (!first.isValid())
        return;
    const QDate end = DateOf(icalcomponent_get_dtend(event));
    const int length = end.isValid() && end > first
                           ? static_cast<int>(std::min<qint64>(first.daysTo(end), kLongestHoliday))
                           : 1;
    const char* summary = icalcomponent_get_summary(event);
    const QString title = QString::fromUtf8(summary ? summary : "").simplified();
    icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rule) {
        AddDays(first, length, title, into);
        return;
    }
    icalrecur_iterator* occurrences = icalrecur_iterator_new(icalproperty_get_rrule(rule), start);
    if (!occurrences)
        return;
    for (icaltimetype next = icalrecur_iterator_next(occurrences); !icaltime_is_null_time(next);
         next = icalrecur_iterator_next(occurrences)) {
        const QDate day = DateOf(next);
        if (!day.isValid() || day > kPickerLastDate || into.size() >= kMostHolidayDays)
            break;
        AddDays(day, length, title, into);
    }
    icalrecur_iterator_free(occurrences);
}

} // namespace

std::optional<HolidayList> HolidaysOfCalendarText(const QByteArray& text) {
    if (text.isEmpty())
        return std::nullopt;
    const IcalComponent calendar(icalparser_parse_string(text.constData()));
    if (!calendar || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT)
        return std::nullopt;
    HolidayList holidays;
    for (icalcomponent* event =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT))
        AddEvent(event, holidays);
    std::stable_sort(holidays.begin(), holidays.end(),
                     [](const Holiday& a, const Holiday& b) { return a.date < b.date; });
    return holidays;
}

HolidayCalendar LoadHolidayCalendar(const Settings& settings) {
    if (settings.holidayFile.isEmpty()) {
        if (settings.holidayRegion == HolidayRegion::None)
            return {};
        return {HolidaysInYears(settings.holidayRegion, kPickerFirstDate.year(),
                                kPickerLastDate.year()),
                {}};
    }
    const std::optional<QByteArray> bytes = ReadFileBytes(settings.holidayFile);
    if (!bytes)
        return {std::nullopt,
                QCoreApplication::translate("Holidays", "The holidays' calendar %1 cannot be read.")
                    .arg(settings.holidayFile)};
    std::optional<HolidayList> holidays = HolidaysOfCalendarText(*bytes);
    if (!holidays)
        return {std::nullopt,
                QCoreApplication::translate("Holidays", "%1 is no iCalendar file of holidays.")
                    .arg(settings.holidayFile)};
    return {std::move(holidays), {}};
}

} // namespace dutyloop
