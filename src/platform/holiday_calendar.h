#pragma once

#include "schedule/holidays.h"
#include "settings/settings_file.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace dutyloop {

// The holidays the settings ask to mark, from 2014 to 2100: a region's, or those of an
// iCalendar file. No list where none is asked for; where the file cannot be read, no list and
// the reason, which the user is told.
struct HolidayCalendar {
    std::optional<HolidayList> holidays;
    QString error;
};
HolidayCalendar LoadHolidayCalendar(const Settings& settings);

// The holidays of an iCalendar file's text: each event's days, from its start to its end, and
// those of its yearly, monthly or other repetitions, titled by its summary. Nullopt for text
// that is no calendar.
std::optional<HolidayList> HolidaysOfCalendarText(const QByteArray& text);

} // namespace dutyloop
