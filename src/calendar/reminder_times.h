#pragma once

#include "calendar/next_duty.h"
#include "schedule/reminder.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

namespace dutyloop {

// A reminder that falls due, and the duty it is for.
struct DutyReminder {
    QDateTime at;
    UpcomingDuty duty;
};

// When the reminder of `duty` falls due: minutes before its start, or on the day before the
// day it starts at the evening's time. None where the user wants no reminder.
std::optional<QDateTime> ReminderTimeFor(const UpcomingDuty& duty, const Reminder& reminder,
                                         const QTimeZone& zone);

// The first reminder due after `moment` (strictly later) for a duty the crew member really has.
// A duty that follows straight on from the one the day before (the second day of a run of
// 24-hour or all-day duties) is the same stretch of duty and is not reminded of again, as the
// exported calendar's event for the run rings once. None where the user wants no reminder or
// no duty lies within kNextDutyDaysAhead days.
std::optional<DutyReminder> NextReminderAfter(const QDateTime& moment, const CrewDuty& crew,
                                              const Reminder& reminder);

// What the desktop says, at `now`, of the duty: "Duty at 07:00 tomorrow, 5 TFS", with the time
// in the locale's format; all day "Duty tomorrow, 5 TFS".
QString ReminderSummary(const UpcomingDuty& duty, const QString& crew, const QDateTime& now,
                        const QLocale& locale);

} // namespace dutyloop
