#pragma once

#include "calendar/locale_settings.h"
#include "calendar/month_grid.h"
#include "calendar/sizing.h"
#include "settings/colors.h"
#include "ui/form_widgets.h"

namespace dutyloop {

// What each day cell's accessible name and tooltip were last made from. They follow from the
// day and the anchor alone (the locale is fixed for the run), and formatting a long date for
// forty cells is the costliest part of a redraw, so unchanged ones are not made again.
struct CellDescriptionKey {
    Date date = 0;
    Date anchor = 0;
    bool made = false;
    friend bool operator==(const CellDescriptionKey&, const CellDescriptionKey&) = default;
};
using DescribedCells = std::array<CellDescriptionKey, kFirstLegendCell>;

// Everything a redraw reads. Every call sets every text, colour and font again from these.
struct RedrawState {
    const CalendarView& view;
    const ColorSettings& colors;
    const FontSizes& fonts;
    const CalendarLayout& layout;
    const LocaleSettings& locale;
    Date today;
    DescribedCells* describedCells = nullptr; // none: every cell is described again
};

WeekStart WeekStartOf(const FormWidgets& w);

void UpdateTitle(const FormWidgets& w, const RedrawState& state);
void UpdateMonthLabel(const FormWidgets& w, const RedrawState& state, Date date);
void UpdateWeekdayLabels(const FormWidgets& w, const RedrawState& state);
void PaintCells(const FormWidgets& w, const RedrawState& state);
void UpdateStatusLine(const FormWidgets& w, const RedrawState& state);

// The five steps above, in that order. CellDates and ShownDate are left as they are.
void RefreshCalendar(const FormWidgets& w, const RedrawState& state, Date date);

} // namespace dutyloop
