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

// What the days file says of a day: "Sick, note “changed by hand”", "As rostered", …
QString DayChangeDescription(const DayChange& change);

// Why a change made in the day's dialog was not saved: the days file was changed for that day
// while the dialog was open, and now says what `onDisk` is.
QString DayChangedMeanwhileText(QDate date, const DayChange& onDisk, const LocaleSettings& locale);

// A cell's tooltip with a line for the change and one for the note, when there are any.
QString ToolTipWithChange(const QString& toolTip, const DayChange& change);

} // namespace dutyloop
