#pragma once

#include "calendar/duty_counts.h"
#include "schedule/duty_hours.h"

#include <QDateTime>
#include <QTimeZone>

namespace dutyloop {

// A duty as it is lived: from its start on its day to its end, in a time zone, so that the
// night the clocks change has the hours it really has.
struct DutyPeriod {
    QDateTime start;
    QDateTime end;
};

// The duty that starts on `day`. A start or end the clocks skip (02:30 on the night they go
// forward) is read with the offset from before the gap, as calendars read it: 03:30.
DutyPeriod DutyPeriodOn(QDate day, const DutyHours& hours, const QTimeZone& zone);

// The minutes of that duty: 1440 for a 24-hour duty on an ordinary day, 1380 or 1500 across a
// change of the clocks.
qint64 DutyMinutesOn(QDate day, const DutyHours& hours, const QTimeZone& zone);

// The minutes of all the duties that start from `first` to `last` on days `counted` says.
qint64 DutyMinutesBetween(QDate first, QDate last, const DutyOf& duty, DutyCode counted,
                          const DutyHours& hours, const QTimeZone& zone);

} // namespace dutyloop
