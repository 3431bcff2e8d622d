#include "calendar/cell_descriptions.h"

#include "calendar/qdate_bridge.h"
#include "settings/assignment_list.h"

namespace dutyloop {

QString LongDateText(Date date, const LocaleSettings& locale) {
    return locale.locale.toString(QDateFromDate(date), QLocale::LongFormat);
}

QString CellAccessibleName(Date date, DutyCode code, const LocaleSettings& locale) {
    const QString day = LongDateText(date, locale);
    switch (code) {
    case DutyCode::Work:
        return day + QStringLiteral(", work day");
    case DutyCode::Off:
        return day + QStringLiteral(", off duty");
    case DutyCode::NoRotation:
        break;
    }
    return day;
}

QStringList CrewsOnDuty(Date date) {
    QStringList crews;
    const QStringList entries = AssignmentEntries();
    // The first entry is the agency-wide one; the crews follow it.
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (DutyCodeFor(date, AnchorForAssignment(entries[i])) == DutyCode::Work)
            crews << entries[i];
    }
    return crews;
}

QString CrewsOnDutyText(Date date) {
    const QStringList crews = CrewsOnDuty(date);
    if (!crews.isEmpty())
        return QStringLiteral("On duty: ") + crews.join(QStringLiteral(", "));
    const QStringList entries = AssignmentEntries();
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (DutyCodeFor(date, AnchorForAssignment(entries[i])) != DutyCode::NoRotation)
            return QStringLiteral("No crew on duty");
    }
    return QStringLiteral("No rotation");
}

QString CellToolTip(Date date, const LocaleSettings& locale) {
    return LongDateText(date, locale) + QLatin1Char('\n') + CrewsOnDutyText(date);
}

} // namespace dutyloop
