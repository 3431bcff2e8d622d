#pragma once

#include "schedule/date.h"

namespace dutyloop {

// The date picker's limits.
inline constexpr Date kPickerFirstDate = DateFromYmd(2014, 3, 31);
inline constexpr Date kPickerLastDate = DateFromYmd(2100, 12, 31);

// The same day of the month `months` months away, cut to that month's length. A step that
// would leave the calendar's span gives date unchanged.
Date MonthStep(Date date, int months);

// date + days, or date unchanged when that would leave the calendar's span.
Date DayStep(Date date, int days);

Date ClampToPicker(Date date);

struct KeyMove {
    Date shownDate;
    bool marksDate; // the new ShownDate becomes the date End returns to
};

// Where a key (a Qt::Key) takes the selection: Page Up and Down a month, the arrows a day or a
// week, Home today and End the marked date; any other key leaves it where it is.
KeyMove KeyMoveFor(int key, Date shownDate, Date markedDate, Date today);

} // namespace dutyloop
