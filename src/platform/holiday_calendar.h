#pragma once

#include "schedule/holidays.h"
#include "settings/settings_file.h"

#include <QString>
#include <optional>

namespace dutyloop {

// The holidays the settings ask to mark, from 2014 to 2100: a region's, or those of an
// iCalendar file. No list where none is asked for; where the file cannot be read, no list and
// the reason, which the user is told. Where a file asks for more repetitions than are read, the
// list and which events were cut short, which the user is told too.
struct HolidayCalendar {
    std::optional<HolidayList> holidays;
    QString error;
};
HolidayCalendar LoadHolidayCalendar(const Settings& settings);

} // namespace dutyloop
