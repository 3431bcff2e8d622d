#include "calendar/reminder_times.h"

#include <QCoreApplication>

namespace dutyloop {

namespace {

// Whether the crew member's duty on `day` starts where the one on the day before ends.
bool FollowsOn(const UpcomingDuty& duty, const CrewDuty& crew) {
    const QDate before = duty.day.addDays(-1);
    return crew.duty(before) == DutyCode::Work &&
           DutyStartingOn(before, crew).period.end == duty.period.start;
}

} // namespace

std::optional<QDateTime> ReminderTimeFor(const UpcomingDuty& duty, const Reminder& reminder,
                                         const QTimeZone& zone) {
    switch (reminder.kind) {
    case Reminder::Kind::None:
        return std::nullopt;
    case Reminder::Kind::Before:
        return duty.period.start.addSecs(-60LL * reminder.minutesBefore);
    case Reminder::Kind::EveningBefore: {
        // The start of a duty from that time is the time on the wall clock, read as a duty's
        // start is where the clocks skip it.
        return DutyPeriodOn(duty.day.addDays(-1), DutyHours{reminder.eveningAt, reminder.eveningAt},
                            zone)
            .start;
    }
    }
    return std::nullopt;
}

std::optional<DutyReminder> NextReminderAfter(const QDateTime& moment, const CrewDuty& crew,
                                              const Reminder& reminder) {
    if (reminder.kind == Reminder::Kind::None)
        return std::nullopt;
    // Reminders come no earlier than the day before a duty's start, and in the order of the
    // duties, so the first one after `moment` belongs to a duty from the day before on.
    const QDate first = moment.toTimeZone(crew.zone).date().addDays(-1);
    for (QDate day = first; day <= first.addDays(kNextDutyDaysAhead + 1); day = day.addDays(1)) {
        if (crew.duty(day) != DutyCode::Work)
            continue;
        const UpcomingDuty duty = DutyStartingOn(day, crew);
        if (FollowsOn(duty, crew))
            continue;
        const std::optional<QDateTime> at = ReminderTimeFor(duty, reminder, crew.zone);
        if (at && *at > moment)
            return DutyReminder{*at, duty};
    }
    return std::nullopt;
}

QString ReminderSummary(const UpcomingDuty& duty, const QString& crew, const QDateTime& now,
                        const QLocale& locale) {
    const QDateTime start = duty.period.start.toTimeZone(now.timeZone());
    const qint64 days = now.date().daysTo(start.date());
    const QString time = locale.toString(start.time(), QLocale::ShortFormat);
    if (duty.allDay) {
        if (days == 0)
            //: A desktop notification; %1 is the crew.
            return QCoreApplication::translate("Reminder", "Duty today, %1").arg(crew);
        if (days == 1)
            //: A desktop notification; %1 is the crew.
            return QCoreApplication::translate("Reminder", "Duty tomorrow, %1").arg(crew);
        //: A desktop notification; %1 is the date, %2 the crew.
        return QCoreApplication::translate("Reminder", "Duty on %1, %2")
            .arg(locale.toString(start.date(), QLocale::ShortFormat), crew);
    }
    if (days == 0)
        //: A desktop notification; %1 is the time the duty starts, %2 the crew.
        return QCoreApplication::translate("Reminder", "Duty at %1 today, %2").arg(time, crew);
    if (days == 1)
        //: A desktop notification; %1 is the time the duty starts, %2 the crew.
        return QCoreApplication::translate("Reminder", "Duty at %1 tomorrow, %2").arg(time, crew);
    //: A desktop notification; %1 is the time the duty starts, %2 its date, %3 the crew.
    return QCoreApplication::translate("Reminder", "Duty at %1 on %2, %3")
        .arg(time, locale.toString(start.date(), QLocale::ShortFormat), crew);
}

} // namespace dutyloop
