#pragma once

#include "calendar/duty_counts.h"
#include "calendar/locale_settings.h"
#include "schedule/holidays.h"

#include <QString>
#include <vector>

namespace dutyloop {

// The holiday's name in the user's language, whatever the region: "Ascension Day", and
// "Independence Day (observed)" for the weekday a US holiday is kept on.
QString HolidayNameText(const Holiday& holiday);

// The region as the Settings tab's list names it: "Germany – Bavaria", "None".
QString HolidayRegionText(HolidayRegion region);

// The names of the holidays on `date`, joined; empty on any other day.
QString HolidayNamesOn(QDate date, const HolidayList& holidays);

// A day's spoken name and its tooltip with the holiday it is: "..., public holiday: Ascension
// Day".
QString AccessibleNameWithHoliday(const QString& name, const QString& holiday);
QString ToolTipWithHoliday(const QString& toolTip, const QString& holiday);

// "Holidays on duty: 2 in May, 5 in 2027": what the month label's counts add where holidays
// are marked.
QString HolidayCountText(int inMonth, int inYear, QDate shown, const LocaleSettings& locale);

// The holidays in `year` on which the crew is on duty.
HolidayList HolidaysOnDuty(const HolidayList& holidays, int year, const DutyOf& duty);

} // namespace dutyloop
