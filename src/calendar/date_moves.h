#pragma once

#include "schedule/date.h"

namespace dutyloop {

// The date picker's limits.
inline constexpr Date kPickerFirstDate = DateFromYmd(2014, 3, 31);
inline constexpr Date kPickerLastDate = DateFromYmd(2100, 12, 31);

// Virtual-key codes of the keys the window answers.
namespace vk {
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
} // namespace vk

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

KeyMove KeyMoveFor(int virtualKey, Date shownDate, Date markedDate, Date today);

} // namespace dutyloop
