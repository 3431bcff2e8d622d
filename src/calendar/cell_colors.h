#pragma once

#include "calendar/month_grid.h"
#include "schedule/rotation.h"
#include "settings/colors.h"

namespace dutyloop {

// White on the eighteen listed dark colours, Black on every other; by value, not by brightness.
Color ContrastTextColor(Color color);

// AliceBlue around a fill that takes white text, DimGray around every other.
Color BorderColorFor(Color fill);

// A colour button's caption in its own colour, except where that is the background's and could
// not be read: then in contrast to the background.
Color CaptionColorFor(Color color, Color background);

// Links white on Blue, blue on every other background.
Color LinkColorFor(Color background);

Color CellFillColor(int index, const CalendarView& view, const ColorSettings& colors);

// date is always view.cellDates[index].
Color CellTextColor(int index, Date date, const CalendarView& view, const ColorSettings& colors);

// The same for a day whose duty is `duty` rather than the rostered one.
Color CellFillColor(int index, const CalendarView& view, const ColorSettings& colors,
                    DutyCode duty);
Color CellTextColor(Date date, const CalendarView& view, const ColorSettings& colors,
                    DutyCode duty);

} // namespace dutyloop
