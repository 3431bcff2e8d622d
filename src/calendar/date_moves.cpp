#include "calendar/date_moves.h"

#include <QtCore/qnamespace.h>

#include <algorithm>
#include <chrono>

namespace dutyloop {

Date MonthStep(Date date, int months) {
    // Any step this long leaves the calendar's span, and std::chrono's years would overflow.
    if (months < -12 * 9999 || months > 12 * 9999)
        return date;
    const std::chrono::year_month_day from{SysDaysFromDate(date)};
    const std::chrono::year_month to = from.year() / from.month() + std::chrono::months{months};
    if (to.year() < std::chrono::year{1} || to.year() > std::chrono::year{9999})
        return date;
    return DateFromSysDays(to / std::min(from.day(), (to / std::chrono::last).day()));
}

Date DayStep(Date date, int days) {
    const long long target = static_cast<long long>(date) + days;
    if (target < kFirstCalendarDate || target > kLastCalendarDate)
        return date;
    return static_cast<Date>(target);
}

Date ClampToPicker(Date date) {
    return std::clamp(date, kPickerFirstDate, kPickerLastDate);
}

KeyMove KeyMoveFor(int key, Date shownDate, Date markedDate, Date today) {
    switch (key) {
    case Qt::Key_PageUp:
        return {MonthStep(shownDate, -1), true};
    case Qt::Key_PageDown:
        return {MonthStep(shownDate, 1), true};
    case Qt::Key_End:
        return {markedDate, false};
    case Qt::Key_Home:
        return {today, false};
    case Qt::Key_Left:
        return {DayStep(shownDate, -1), true};
    case Qt::Key_Up:
        return {DayStep(shownDate, -7), true};
    case Qt::Key_Right:
        return {DayStep(shownDate, 1), true};
    case Qt::Key_Down:
        return {DayStep(shownDate, 7), true};
    default:
        return {shownDate, false};
    }
}

} // namespace dutyloop
