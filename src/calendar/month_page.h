#pragma once

#include "calendar/locale_settings.h"
#include "calendar/month_grid.h"
#include "calendar/sizing.h"
#include "schedule/day_changes.h"
#include "schedule/duty_hours.h"
#include "schedule/holidays.h"
#include "schedule/rotation.h"
#include "settings/colors.h"

#include <QString>
#include <QTimeZone>
#include <array>

namespace dutyloop {

// What a cell's number is drawn in: the day numbers, or the smaller legend.
enum class CellFont { DayNumber, Legend };

// One of the 42 cells of the grid, as it is drawn and as a screen reader names it.
struct CellLook {
    QDate date;
    DutyCode duty = DutyCode::NoRotation; // the day's under the chosen assignment, as changed
    QString text;
    QRgb fill = colors::White;
    QRgb textColor = colors::Black;
    QRgb border = colors::DimGray;
    CellFont font = CellFont::DayNumber;
    bool takesClicks = false; // a click on it selects its day
    QString accessibleName;
    QString toolTip;
    // What a screen reader adds after the name: who is on duty. The name says the rest of the
    // tooltip already, and is not said twice.
    QString accessibleDescription;
    bool isToday = false;
    DayChangeKind change = DayChangeKind::AsRostered; // marked in a corner
    bool hasNote = false;                             // marked in another
    QString holiday;   // the public holiday's name, marked along the top; empty on other days
    QString dutyHours; // a worked day's hours where the crew's are set, said with its duty
    friend bool operator==(const CellLook&, const CellLook&) = default;
};

// The Today button: dimmed while today is the selected day.
struct TodayButtonLook {
    bool bold = false;
    QRgb textColor = colors::DimGray;
    friend bool operator==(const TodayButtonLook&, const TodayButtonLook&) = default;
};

// What every tab shares: the background of its panels, their border where they have one, and
// the colour and size of the text that stands on them.
struct TabLook {
    QRgb background = colors::White;
    QRgb border = colors::DimGray;
    QRgb headerTextColor = colors::Black; // titles, month label, weekday labels, status line
    QRgb linkTextColor = colors::Blue;
    float titleFontSize = 0.0f; // 0 until the window has been sized
    friend bool operator==(const TabLook&, const TabLook&) = default;
};

// The width of the border of the panels that have one, and of every cell's.
inline constexpr float kThinBorder = 0.67f;

// The whole Calendar tab for one state, as plain values: what to draw and what to say.
struct MonthPage {
    TabLook look;
    QString title;
    QString monthLabel;
    QString monthCounts; // the shown month's work and off days, and the year's so far
    QString spokenMonth; // with its year, always
    std::array<QString, 7> weekdayLabels;
    std::array<QString, 7> narrowWeekdayLabels; // where the short ones do not fit
    std::array<QString, 7> spokenWeekdayNames;
    QDate selectedDate;
    QString spokenSelectedDate; // its long date, for the date field's short one
    std::array<CellLook, kCellCount> cells;
    FontSizes fonts;
    float legendFontSize = 0.0f;
    QString statusLine; // the date above its duty; empty for a day without rotation
    QString statusAccessibleName;
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
    QDate today;
    int selectedAssignment = -1; // the entry of the assignment list, -1 for none
    QString selectedAssignmentText;
    const CalendarLayout& layout;
    const DayChanges* dayChanges = nullptr; // those made under the chosen assignment
    const HolidayList* holidays = nullptr;  // those marked; none where no calendar is chosen
    const DutyHours* dutyHours = nullptr;   // the crew's; none for a duty all day
    QTimeZone timeZone = QTimeZone::utc();  // where the hours are counted
};

MonthPage MonthPageFor(const MonthPageState& state);

// The same page, made faster from a page made before under the same locale: a day that page
// also shows, with the same duty and in the same kind of cell, keeps its names and tooltip
// instead of having its long date formatted again.
MonthPage MonthPageFor(const MonthPageState& state, const MonthPage& before);

TabLook TabLookFor(const ColorSettings& colors, const FontSizes& fonts);

} // namespace dutyloop
