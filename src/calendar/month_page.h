#pragma once

#include "calendar/locale_settings.h"
#include "calendar/month_grid.h"
#include "calendar/sizing.h"
#include "settings/colors.h"

#include <QString>
#include <array>

namespace dutyloop {

// What a cell's number is drawn in: the day numbers, or the smaller legend.
enum class CellFont { DayNumber, Legend };

// One of the 42 cells of the grid, as it is drawn and as a screen reader names it.
struct CellLook {
    Date date = 0;
    QString text;
    Color fill = colors::White;
    Color textColor = colors::Black;
    Color border = colors::DimGray;
    CellFont font = CellFont::DayNumber;
    bool takesClicks = false; // a click on it selects its day
    QString accessibleName;
    QString toolTip;
    friend bool operator==(const CellLook&, const CellLook&) = default;
};

// The Today button: dimmed while today is the selected day.
struct TodayButtonLook {
    bool bold = false;
    Color textColor = colors::DimGray;
    friend bool operator==(const TodayButtonLook&, const TodayButtonLook&) = default;
};

// The whole Calendar tab for one state, as plain values: what to draw and what to say.
struct MonthPage {
    QString title;
    QString monthLabel;
    std::array<QString, 7> weekdayLabels;
    Color headerTextColor = colors::Black; // title, month label and weekday labels
    Color background = colors::White;
    std::array<CellLook, kCellCount> cells;
    FontSizes fonts;
    float legendFontSize = 0.0f;
    QString statusLine; // the date above its duty; empty for a day without rotation
    QString statusAccessibleName;
    Color statusTextColor = colors::Black;
    float statusFontSize = 0.0f;
    TodayButtonLook todayButton;
    friend bool operator==(const MonthPage&, const MonthPage&) = default;
};

// Everything the Calendar tab is drawn from.
struct MonthPageState {
    const CalendarView& view;
    const ColorSettings& colors;
    WeekStart weekStart = WeekStart::Sunday;
    const LocaleSettings& locale;
    Date today = 0;
    int selectedAssignment = -1; // the entry of the assignment list, -1 for none
    QString selectedAssignmentText;
    const CalendarLayout& layout;
};

MonthPage MonthPageFor(const MonthPageState& state);

} // namespace dutyloop
