#pragma once

#include "schedule/holidays.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>
#include <QTimeZone>

#include <optional>

namespace dutyloop {

// The holidays an iCalendar file of the user's marks.
struct HolidayFileDays {
    HolidayList holidays; // by date, each name once a day
    // The names of events whose repetitions were not all read: a file that asks for more than a
    // calendar of holidays can hold has each event's share read, and the rest said.
    QStringList cutShort;
};

// The days from `first` to `last` that the events of an iCalendar text touch, as a calendar
// program shows them: each event's recurrence set (RRULE and RDATE less EXDATE), an instance
// moved by RECURRENCE-ID on its new day only, nothing of what STATUS:CANCELLED cancels. Whole
// days up to DTEND, which is the day after; a time of day marks every day of `local` it touches,
// though not the day it ends on at midnight. Names are cleaned as the user's notes are. Nullopt
// for text that holds no VCALENDAR; a line with a NUL byte is left out.
std::optional<HolidayFileDays> HolidaysOfIcalText(const QByteArray& text, QDate first, QDate last,
                                                  const QTimeZone& local);

} // namespace dutyloop
