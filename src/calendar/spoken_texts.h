#pragma once

#include "calendar/locale_settings.h"
#include "calendar/month_grid.h"

#include <QString>
#include <array>

namespace dutyloop {

// What a screen reader says where the eye reads a shortened text.

// The month with its year, whatever year it is: the label drops the year within the current
// year, and a listener has no other way to learn it.
QString SpokenMonthText(QDate date, const LocaleSettings& locale);

// A day's name as a screen reader says it: today's begins by saying that it is today.
QString SpokenDayName(const QString& name, bool isToday);

// The whole weekday names in the grid's column order, for the columns' headers.
std::array<QString, 7> SpokenWeekdayNames(WeekStart weekStart, const LocaleSettings& locale);

} // namespace dutyloop
