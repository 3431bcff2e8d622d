#include "calendar/month_grid.h"

namespace dutyloop {

CellDates CellDatesFor(QDate date, WeekStart weekStart) {
    const QDate first(date.year(), date.month(), 1);
    // Qt counts the weekdays from Monday 1 to Sunday 7.
    const int firstColumn = weekStart == WeekStart::Monday ? Qt::Monday : Qt::Sunday;
    const QDate start = first.addDays(-((first.dayOfWeek() - firstColumn + 7) % 7));
    CellDates cells{};
    for (int i = 0; i < kCellCount; ++i)
        cells[static_cast<std::size_t>(i)] = start.addDays(i);
    return cells;
}

void BuildMonthGrid(CalendarView& view, QDate date, WeekStart weekStart) {
    view.cellDates = CellDatesFor(date, weekStart);
    view.shownDate = date;
}

} // namespace dutyloop
