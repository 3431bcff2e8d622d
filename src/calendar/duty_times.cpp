#include "calendar/duty_times.h"

namespace dutyloop {

namespace {

// A time the clocks skip is read with the offset from before the gap, as calendars read it
// (RFC 5545): 02:30 on the night the clocks go from 02:00 to 03:00 is 03:30.
QDateTime WallClock(QDate day, QTime time, const QTimeZone& zone) {
    const QDateTime local(day, time, zone);
    if (local.isValid())
        return local;
    const int before = zone.offsetFromUtc(QDateTime(day, QTime(0, 0), zone));
    return QDateTime(day, time, QTimeZone::utc()).addSecs(-before).toTimeZone(zone);
}

} // namespace

DutyPeriod DutyPeriodOn(QDate day, const DutyHours& hours, const QTimeZone& zone) {
    return {WallClock(day, hours.start, zone),
            WallClock(EndsNextDay(hours) ? day.addDays(1) : day, hours.end, zone)};
}

qint64 DutyMinutesOn(QDate day, const DutyHours& hours, const QTimeZone& zone) {
    const DutyPeriod period = DutyPeriodOn(day, hours, zone);
    return period.start.secsTo(period.end) / 60;
}

qint64 DutyMinutesBetween(QDate first, QDate last, const DutyOf& duty, DutyCode counted,
                          const DutyHours& hours, const QTimeZone& zone) {
    qint64 minutes = 0;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        if (duty(day) == counted)
            minutes += DutyMinutesOn(day, hours, zone);
    }
    return minutes;
}

} // namespace dutyloop
