#pragma once

#include <QDate>

#include <array>

namespace dutyloop {

enum class WeekStart { Sunday, Monday };

inline constexpr int kCellCount = 42;
// Cells 40 and 41 are the legend; every day of the shown month lies in cells 0 to 36.
inline constexpr int kFirstLegendCell = 40;
inline constexpr int kLastClickableCell = 36;

using CellDates = std::array<QDate, kCellCount>;

// What the calendar shows: the selected day, the 42 days of its grid, the day End returns to,
// and the anchor of the chosen assignment.
struct CalendarView {
    QDate shownDate;
    CellDates cellDates{};
    QDate markedDate;
    QDate anchorDate;
};

// The 42 consecutive days from the first day of the week that holds the 1st of date's month.
CellDates CellDatesFor(QDate date, WeekStart weekStart);

void BuildMonthGrid(CalendarView& view, QDate date, WeekStart weekStart);

} // namespace dutyloop
