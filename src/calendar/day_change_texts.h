#pragma once

#include "calendar/locale_settings.h"
#include "schedule/day_changes.h"

#include <QString>

namespace dutyloop {

// "Leave", "Sick", "Swapped off", "Extra duty"; empty for a day as rostered.
QString DayChangeName(DayChangeKind kind);

// The date above the change's name on a changed day, else above its duty as always.
QString StatusLineWithChange(QDate shownDate, DutyCode duty, const DayChange& change,
                             const LocaleSettings& locale);

// A cell's accessible name with the change and the note added, when there are any.
QString AccessibleNameWithChange(const QString& name, const DayChange& change);

// A cell's tooltip with a line for the change and one for the note, when there are any.
QString ToolTipWithChange(const QString& toolTip, const DayChange& change);

} // namespace dutyloop
