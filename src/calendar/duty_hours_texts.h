#pragma once

#include "calendar/duty_counts.h"
#include "calendar/locale_settings.h"
#include "schedule/day_changes.h"
#include "schedule/duty_hours.h"

#include <QDate>
#include <QString>
#include <QTimeZone>

namespace dutyloop {

// "07:00 – 07:00 next day", "07:00 – 19:00": a duty's hours in the locale's time format.
QString DutyHoursText(const DutyHours& hours, const LocaleSettings& locale);

// The duty word with the hours of DutyHoursText after it: "Work 07:00 – 07:00 next day".
QString DutyWithHoursText(const QString& duty, const QString& hours);

// "288", "12.5": a number of minutes as hours, in the locale's digits.
QString HoursNumberText(qint64 minutes, const LocaleSettings& locale);

// The hours of the month that holds `shown` and of its year up to the month's end: those worked
// and those of rostered duties taken as leave or sick, counted in `zone`, so that a 24-hour duty
// across the spring change is 23 hours.
struct HourCounts {
    qint64 monthMinutes = 0;
    qint64 yearMinutes = 0;
    qint64 monthTakenMinutes = 0;
    qint64 yearTakenMinutes = 0;
};
HourCounts HourCountsFor(QDate shown, QDate anchor, const DayChanges* changes,
                         const DutyHours& hours, const QTimeZone& zone);

// "Hours on duty: 288 in March, 816 in 2027", and below, where any were, "Hours taken as leave or
// sick: 24 in March, 48 in 2027".
QString HourCountText(const HourCounts& counts, QDate shown, const LocaleSettings& locale);

} // namespace dutyloop
