#pragma once

#include "platform/platform.h"
#include "schedule/day_changes.h"

#include <QString>
#include <optional>

class QWidget;

namespace dutyloop {

// The changes made under `assignment` that the days file at `path` holds; none when it is
// missing or cannot be read.
DayChanges LoadDayChanges(const QString& path, const QString& assignment);

// Writes the change on `date` into the days file as it now stands on disk, so that lines
// written there by hand since are kept. On failure the error box says so, the file stays as it
// was and the result is empty; else it is the assignment's changes the file now holds, which
// the window takes as its own, so that what it shows is always what the file says.
std::optional<DayChanges> StoreDayChange(const Platform& platform, QWidget* window,
                                         const QString& path, const QString& assignment, QDate date,
                                         const DayChange& change);

} // namespace dutyloop
