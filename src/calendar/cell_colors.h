#pragma once

#include "calendar/month_grid.h"
#include "schedule/rotation.h"
#include "settings/colors.h"

namespace dutyloop {

// White on the eighteen listed dark colours, Black on every other; by value, not by brightness.
QRgb ContrastTextColor(QRgb color);

// AliceBlue around a fill that takes white text, DimGray around every other.
QRgb BorderColorFor(QRgb fill);

QRgb CellFillColor(int index, const CalendarView& view, const ColorSettings& colors);

QRgb CellTextColor(QDate date, const CalendarView& view, const ColorSettings& colors);

// The same for a day whose duty is `duty` rather than the rostered one.
QRgb CellFillColor(int index, const CalendarView& view, const ColorSettings& colors, DutyCode duty);
QRgb CellTextColor(QDate date, const CalendarView& view, const ColorSettings& colors,
                   DutyCode duty);

} // namespace dutyloop
