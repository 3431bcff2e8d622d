#include "calendar/duty_counts.h"

namespace dutyloop {

DutyOf RotationDutyOf(Date anchorDate) {
    return [anchorDate](Date date) { return DutyCodeFor(date, anchorDate); };
}

DutyOf EffectiveDutyOf(Date anchorDate, const DayChanges& changes) {
    return
        [anchorDate, &changes](Date date) { return EffectiveDutyFor(date, anchorDate, changes); };
}

DutyCount CountDuty(Date first, Date last, const DutyOf& duty) {
    DutyCount count;
    for (Date date = first; date <= last; ++date) {
        const DutyCode code = duty(date);
        if (code == DutyCode::Work)
            ++count.work;
        else if (code == DutyCode::Off)
            ++count.off;
    }
    return count;
}

DutyCount MonthDutyCount(Date day, const DutyOf& duty) {
    const YearMonthDay ymd = YmdFromDate(day);
    const Date first = DateFromYmd(ymd.year, ymd.month, 1);
    return CountDuty(first, first + DaysInMonth(ymd.year, ymd.month) - 1, duty);
}

DutyCount YearDutyCountUpTo(Date day, const DutyOf& duty) {
    return CountDuty(DateFromYmd(YmdFromDate(day).year, 1, 1), day, duty);
}

} // namespace dutyloop
