#pragma once

#include "calendar/duty_counts.h"
#include "calendar/locale_settings.h"

#include <QString>

namespace dutyloop {

// "12 work days", "1 work day": a number of days in the language's own plural.
QString WorkDaysText(int days);
// "19 off": the days off beside the work days, in the language's own plural.
QString OffDaysText(int days);
// The same, the number in the locale's digits and kept one run, as the window shows them.
QString WorkDaysText(int days, const LocaleSettings& locale);
QString OffDaysText(int days, const LocaleSettings& locale);

// How many days of the month that holds `shown` the crew works and has off, and below it the
// same from January to that month's end; empty where no day of the month has a rotation.
QString MonthCountText(QDate shown, const DutyOf& duty, const LocaleSettings& locale);

} // namespace dutyloop
