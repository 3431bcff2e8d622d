#include "schedule/date.h"

namespace dutyloop {

YearMonthDay YmdFromDate(Date date) {
    const std::chrono::year_month_day ymd{SysDaysFromDate(date)};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

bool IsLeapYear(int year) {
    return std::chrono::year{year}.is_leap();
}

int DaysInMonth(int year, int month) {
    const auto last = std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                      std::chrono::last;
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

int IsoWeekday(Date date) {
    return static_cast<int>(std::chrono::weekday{SysDaysFromDate(date)}.iso_encoding());
}

} // namespace dutyloop
