#pragma once

#include "calendar/locale_settings.h"
#include "schedule/rotation.h"

#include <QString>
#include <QStringList>

namespace dutyloop {

// The date in the locale's long format, as a screen reader or a tooltip says it.
QString LongDateText(QDate date, const LocaleSettings& locale);

// "Friday, September 1, 2023, work day": the day and its duty under the chosen assignment;
// a day without rotation is named by its date alone.
QString CellAccessibleName(QDate date, DutyCode code, const LocaleSettings& locale);
QString CellAccessibleName(const QString& longDate, DutyCode code);

// The crews of the assignment list on duty that day, in list order.
QStringList CrewsOnDuty(QDate date);

// "On duty: 5 TFS, 6 FSS, 7 SSM", or "No rotation" before the rotation starts for any crew;
// each crew one run in a right-to-left language.
QString CrewsOnDutyText(QDate date, const LocaleSettings& locale);

// The tooltip as the toolkit's tooltip is to show it. Plain text where no line is longer than
// kToolTipLineCharacters; else rich text that wraps, at blanks and within a long word as well,
// every character shown as written (a note's '<' included). Qt shows plain text on one line per
// line however wide, and wraps rich text only where a line may break.
inline constexpr qsizetype kToolTipLineCharacters = 80;
QString WrappedToolTip(const QString& toolTip);

// The long date above the crews on duty.
QString CellToolTip(QDate date, const LocaleSettings& locale);
QString CellToolTip(const QString& longDate, QDate date, const LocaleSettings& locale);

} // namespace dutyloop
