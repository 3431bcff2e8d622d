#include "calendar/duty_counts.h"

namespace dutyloop {

DutyOf RotationDutyOf(QDate anchorDate) {
    return [anchorDate](QDate date) { return DutyCodeFor(date, anchorDate); };
}

DutyOf EffectiveDutyOf(QDate anchorDate, const DayChanges& changes) {
    return
        [anchorDate, &changes](QDate date) { return EffectiveDutyFor(date, anchorDate, changes); };
}

DutyCount CountDuty(QDate first, QDate last, const DutyOf& duty) {
    DutyCount count;
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        const DutyCode code = duty(date);
        if (code == DutyCode::Work)
            ++count.work;
        else if (code == DutyCode::Off)
            ++count.off;
    }
    return count;
}

DutyCount MonthDutyCount(QDate day, const DutyOf& duty) {
    const QDate first(day.year(), day.month(), 1);
    return CountDuty(first, first.addDays(first.daysInMonth() - 1), duty);
}

DutyCount YearDutyCountUpTo(QDate day, const DutyOf& duty) {
    return CountDuty(QDate(day.year(), 1, 1), day, duty);
}

} // namespace dutyloop
