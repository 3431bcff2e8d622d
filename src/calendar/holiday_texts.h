#pragma once

#include "calendar/duty_counts.h"
#include "schedule/holidays.h"

#include <QString>
#include <vector>

namespace dutyloop {

// The holiday's name in the user's language, whatever the region: "Ascension Day", and
// "Independence Day (observed)" for the weekday a US holiday is kept on.
QString HolidayNameText(const Holiday& holiday);

// The region as the Settings tab's list names it: "Germany – Bavaria", "None".
QString HolidayRegionText(HolidayRegion region);

// The region's holidays in `year` on which the crew is on duty.
std::vector<Holiday> HolidaysOnDuty(HolidayRegion region, int year, const DutyOf& duty);

} // namespace dutyloop
