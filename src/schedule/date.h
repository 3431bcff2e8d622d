#pragma once

#include <chrono>
#include <cstdint>

namespace dutyloop {

// A date is a whole day number: day 0 is 1899-12-30, day 41729 is 2014-03-31.
// Being integral, it can never carry a time of day.
using Date = std::int32_t;

struct YearMonthDay {
    int year = 0;
    int month = 0;
    int day = 0;
    friend constexpr bool operator==(const YearMonthDay&, const YearMonthDay&) = default;
};

namespace detail {
inline constexpr std::chrono::sys_days kDay0{std::chrono::year{1899} / 12 / 30};
} // namespace detail

constexpr std::chrono::sys_days SysDaysFromDate(Date date) {
    return detail::kDay0 + std::chrono::days{date};
}

constexpr Date DateFromSysDays(std::chrono::sys_days days) {
    return static_cast<Date>((days - detail::kDay0).count());
}

constexpr Date DateFromYmd(int year, int month, int day) {
    return DateFromSysDays(std::chrono::year{year} /
                           std::chrono::month{static_cast<unsigned>(month)} /
                           std::chrono::day{static_cast<unsigned>(day)});
}

// Years -32767 to 32767, those of std::chrono, come out right; the calendar needs 1 to 9999.
YearMonthDay YmdFromDate(Date date);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// ISO 8601 numbering: Monday 1 to Sunday 7.
int IsoWeekday(Date date);

// The span the calendar can show and step through.
inline constexpr Date kFirstCalendarDate = DateFromYmd(1, 1, 1);
inline constexpr Date kLastCalendarDate = DateFromYmd(9999, 12, 31);

} // namespace dutyloop
