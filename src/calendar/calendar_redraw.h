#pragma once

#include "app/form_widgets.h"
#include "calendar/colors.h"
#include "calendar/locale_settings.h"
#include "calendar/month_grid.h"
#include "calendar/sizing.h"

namespace dutyloop {

// Everything a redraw reads. Nothing is cached between redraws: every call sets every text,
// colour and font again from these.
struct RedrawState {
    const CalendarView& view;
    const ColorSettings& colors;
    const FontSizes& fonts;
    const CalendarLayout& layout;
    const LocaleSettings& locale;
    Date today;
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
