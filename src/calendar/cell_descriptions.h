#pragma once

#include "calendar/locale_settings.h"
#include "schedule/rotation.h"

#include <QString>
#include <QStringList>

namespace dutyloop {

// The date in the locale's long format, as a screen reader or a tooltip says it.
QString LongDateText(Date date, const LocaleSettings& locale);

// "Friday, September 1, 2023, work day": the day and its duty under the chosen assignment;
// a day without rotation is named by its date alone.
QString CellAccessibleName(Date date, DutyCode code, const LocaleSettings& locale);
QString CellAccessibleName(const QString& longDate, DutyCode code);

// The crews of the assignment list on duty that day, in list order.
QStringList CrewsOnDuty(Date date);

// "On duty: 5 TFS, 6 FSS, 7 SSM", or "No rotation" before the rotation starts for any crew.
QString CrewsOnDutyText(Date date);

// The long date above the crews on duty.
QString CellToolTip(Date date, const LocaleSettings& locale);
QString CellToolTip(const QString& longDate, Date date);

} // namespace dutyloop
