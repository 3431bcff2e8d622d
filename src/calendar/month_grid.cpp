#include "calendar/month_grid.h"

#include <chrono>

namespace dutyloop {

CellDates CellDatesFor(Date date, WeekStart weekStart) {
    const std::chrono::year_month_day ymd{SysDaysFromDate(date)};
    const std::chrono::sys_days first = ymd.year() / ymd.month() / 1;
    const std::chrono::weekday firstColumn =
        weekStart == WeekStart::Monday ? std::chrono::Monday : std::chrono::Sunday;
    const Date start = DateFromSysDays(first - (std::chrono::weekday{first} - firstColumn));
    CellDates cells{};
    for (int i = 0; i < kCellCount; ++i)
        cells[static_cast<std::size_t>(i)] = start + i;
    return cells;
}

void BuildMonthGrid(CalendarView& view, Date date, WeekStart weekStart) {
    view.cellDates = CellDatesFor(date, weekStart);
    view.shownDate = date;
}

int MonthOf(Date date) {
    return YmdFromDate(date).month;
}

} // namespace dutyloop
