#pragma once

#include "platform/platform.h"
#include "schedule/day_changes.h"
#include "settings/day_changes_file.h"

#include <QString>
#include <optional>

class QWidget;

namespace dutyloop {

// The changes made under `assignment` that the days file at `path` holds; none when it is
// missing or cannot be read.
DayChanges LoadDayChanges(const QString& path, const QString& assignment);

// Every assignment's changes the days file at `path` holds; none when it is missing or cannot
// be read.
DayChangesBySection LoadAllDayChanges(const QString& path);

// Writes the change on `date` into the days file as it now stands on disk, so that lines
// written there by hand since are kept. On failure the error box says so, the file stays as it
// was and the result is empty; else it is every change the file now holds, which the window
// takes as its own, so that what it shows is always what the file says.
std::optional<DayChangesBySection> StoreDayChange(const Platform& platform, QWidget* window,
                                                  const QString& path, const QString& assignment,
                                                  Date date, const DayChange& change);

} // namespace dutyloop
