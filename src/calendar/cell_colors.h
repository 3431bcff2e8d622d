#pragma once

#include "calendar/month_grid.h"
#include "schedule/rotation.h"
#include "settings/colors.h"

namespace dutyloop {

// White on the eighteen listed dark colours, Black on every other; by value, not by brightness.
QRgb ContrastTextColor(QRgb color);

// AliceBlue around a fill that takes white text, DimGray around every other.
QRgb BorderColorFor(QRgb fill);

// A colour button's caption in its own colour, except where that is the background's and could
// not be read: then in contrast to the background.
QRgb CaptionColorFor(QRgb color, QRgb background);

// Links white on Blue, blue on every other background.
QRgb LinkColorFor(QRgb background);

QRgb CellFillColor(int index, const CalendarView& view, const ColorSettings& colors);

QRgb CellTextColor(QDate date, const CalendarView& view, const ColorSettings& colors);

// The same for a day whose duty is `duty` rather than the rostered one.
QRgb CellFillColor(int index, const CalendarView& view, const ColorSettings& colors, DutyCode duty);
QRgb CellTextColor(QDate date, const CalendarView& view, const ColorSettings& colors,
                   DutyCode duty);

} // namespace dutyloop
