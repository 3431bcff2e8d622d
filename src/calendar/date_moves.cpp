#include "calendar/date_moves.h"

#include <QtCore/qnamespace.h>

#include <algorithm>

namespace dutyloop {

Date MonthStep(Date date, int months) {
    const YearMonthDay ymd = YmdFromDate(date);
    const int monthIndex = ymd.year * 12 + (ymd.month - 1) + months;
    const int year = monthIndex / 12;
    const int month = monthIndex % 12 + 1;
    if (monthIndex < 0 || year < 1 || year > 9999)
        return date;
    const int day = std::min(ymd.day, DaysInMonth(year, month));
    return DateFromYmd(year, month, day);
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
