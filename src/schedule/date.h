#pragma once

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
// Days since 1970-01-01 for a proleptic Gregorian date (H. Hinnant's civil algorithms).
constexpr std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}
inline constexpr std::int64_t kDay0FromUnixEpoch = -25569; // 1899-12-30
} // namespace detail

constexpr Date DateFromYmd(int year, int month, int day) {
    return static_cast<Date>(
        detail::DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
        detail::kDay0FromUnixEpoch);
}

YearMonthDay YmdFromDate(Date date);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// ISO 8601 numbering: Monday 1 to Sunday 7.
int IsoWeekday(Date date);

// The span the calendar can show and step through.
inline constexpr Date kFirstCalendarDate = DateFromYmd(1, 1, 1);
inline constexpr Date kLastCalendarDate = DateFromYmd(9999, 12, 31);

} // namespace dutyloop
