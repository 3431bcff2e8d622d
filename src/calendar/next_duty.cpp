#include "calendar/next_duty.h"

namespace dutyloop {

CrewDuty CrewDutyFor(const Settings& settings, const Crew& crew, const DayChanges& changes,
                     const QTimeZone& zone) {
    const DutyHours* hours = DutyHoursOf(settings, crew.entry);
    return {crew.entry, EffectiveDutyOf(crew.anchor, changes),
            hours ? std::optional(*hours) : std::nullopt, zone};
}

UpcomingDuty DutyStartingOn(QDate day, const CrewDuty& crew) {
    if (crew.hours)
        return {day, DutyPeriodOn(day, *crew.hours, crew.zone), false};
    // All day is midnight to midnight on the wall clock; 00:00 to 00:00 is one whole day.
    return {day, DutyPeriodOn(day, DutyHours{QTime(0, 0), QTime(0, 0)}, crew.zone), true};
}

std::optional<UpcomingDuty> NextDuty(const QDateTime& now, const CrewDuty& crew) {
    const QDate today = now.toTimeZone(crew.zone).date();
    // A night or 24-hour duty from yesterday may still be running.
    for (QDate day = today.addDays(-1); day <= today.addDays(kNextDutyDaysAhead);
         day = day.addDays(1)) {
        if (crew.duty(day) != DutyCode::Work)
            continue;
        const UpcomingDuty duty = DutyStartingOn(day, crew);
        if (duty.period.end > now)
            return duty;
    }
    return std::nullopt;
}

QString NextDutyLine(const UpcomingDuty& duty, const QString& crew) {
    if (duty.allDay)
        return QStringLiteral("%1 all-day %2").arg(duty.day.toString(Qt::ISODate), crew);
    const QString form = QStringLiteral("yyyy-MM-dd HH:mm");
    return QStringLiteral("%1 %2 %3")
        .arg(duty.period.start.toString(form), duty.period.end.toString(form), crew);
}

} // namespace dutyloop
