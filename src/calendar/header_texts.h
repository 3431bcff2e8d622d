#pragma once

#include "calendar/locale_settings.h"
#include "calendar/month_grid.h"
#include "schedule/rotation.h"

#include <QString>
#include <array>

namespace dutyloop {

// "Tornvale - 3 TWT" for a crew, plain "Tornvale" for the agency-wide entry or no selection.
QString TitleText(int selectedIndex, const QString& selectedText, const LocaleSettings& locale);

// The long month name within the current year, else the short name and the year.
QString MonthLabelText(QDate date, int currentYear, const LocaleSettings& locale);

std::array<QString, 7> WeekdayLabelTexts(WeekStart weekStart, const LocaleSettings& locale);
// The same from the locale's narrow names, for a grid too narrow for the short ones.
std::array<QString, 7> NarrowWeekdayLabelTexts(WeekStart weekStart, const LocaleSettings& locale);

// The date above its duty; empty for a day without rotation.
QString StatusLineText(QDate shownDate, DutyCode code, const LocaleSettings& locale);

} // namespace dutyloop
