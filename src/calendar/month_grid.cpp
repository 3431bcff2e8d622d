#include "calendar/month_grid.h"

namespace dutyloop {

CellDates CellDatesFor(Date date, WeekStart weekStart) {
    const YearMonthDay ymd = YmdFromDate(date);
    const Date first = date - (ymd.day - 1);
    const int iso = IsoWeekday(first);
    const int column = weekStart == WeekStart::Monday ? iso - 1 : iso % 7;
    CellDates cells{};
    for (int i = 0; i < kCellCount; ++i)
        cells[static_cast<std::size_t>(i)] = first - column + i;
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
