#pragma once

#include "calendar/duty_counts.h"
#include "calendar/locale_settings.h"
#include "calendar/month_grid.h"
#include "schedule/crew.h"
#include "schedule/duty_hours.h"
#include "schedule/holidays.h"
#include "settings/colors.h"

#include <QString>
#include <QTimeZone>
#include <array>
#include <vector>

namespace dutyloop {

// One day of a month on the year page, placed in its month's small grid.
struct YearDay {
    int day = 0;    // 1 to 31
    QString number; // the day in the locale's digits, as the window's grid writes it
    int row = 0;    // 0 to 5
    int column = 0; // 0 to 6 from the first day of the week, before any mirroring
    DutyCode duty = DutyCode::NoRotation;
    bool today = false;
    bool changed = false; // the crew member made a change on it: leave, a swap, ...
    bool holiday = false; // a public holiday of the chosen region
    friend bool operator==(const YearDay&, const YearDay&) = default;
};

struct YearMonth {
    QString title;             // the locale's long month name
    std::vector<YearDay> days; // the month's own days only
    DutyCount count;
    QString countText; // under the month: its work days
    friend bool operator==(const YearMonth&, const YearMonth&) = default;
};

// A crew's whole year on one sheet, as plain values: what to print and in which colours.
struct YearPage {
    int year = 0;
    QString title;
    std::array<QString, 7> weekdayLabels;
    std::array<QString, 7> narrowWeekdayLabels; // where the short ones do not fit
    std::array<YearMonth, 12> months;
    DutyCount count;
    QString countText; // the year's work and off days, and the work days taken as leave
    QString workLegend;
    QString offLegend;
    QString todayLegend;   // empty when today falls outside the year
    QString changedLegend; // empty when no day of the year was changed
    QString holidayLegend; // empty when no region is chosen
    // The holidays the crew is on duty, by date, below the year's count; empty when no region
    // is chosen.
    QString holidaysOnDutyText;
    QRgb workFill = colors::Blue;
    QRgb workText = colors::White;
    QRgb offText = colors::DimGray;
    bool rightToLeft = false;
    friend bool operator==(const YearPage&, const YearPage&) = default;
};

// Everything the year page is made from.
struct YearPageState {
    Crew crew;
    int year = 0;
    ColorSettings colors;
    WeekStart weekStart = WeekStart::Sunday;
    const LocaleSettings& locale;
    QDate today;
    DutyOf duty;
    const DayChanges* changes = nullptr;   // those made under the crew, which `duty` follows
    const HolidayList* holidays = nullptr; // those marked; none where no calendar is chosen
    const DutyHours* dutyHours = nullptr;  // the crew's; none for a duty all day
    QTimeZone timeZone = QTimeZone::utc(); // where the hours are counted
};

YearPage YearPageFor(const YearPageState& state);

} // namespace dutyloop
