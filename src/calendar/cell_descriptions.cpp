#include "calendar/cell_descriptions.h"

#include "schedule/crew.h"

#include <QCoreApplication>

namespace dutyloop {

QString LongDateText(QDate date, const LocaleSettings& locale) {
    // It starts the tooltip, the screen reader's name of the day and the day's dialog.
    return CapitalizedFirst(locale.locale.toString(date, QLocale::LongFormat), locale);
}

QString CellAccessibleName(QDate date, DutyCode code, const LocaleSettings& locale) {
    return CellAccessibleName(LongDateText(date, locale), code);
}

QString CellAccessibleName(const QString& day, DutyCode code) {
    switch (code) {
    case DutyCode::Work:
        return QCoreApplication::translate("Calendar", "%1, work day").arg(day);
    case DutyCode::Off:
        return QCoreApplication::translate("Calendar", "%1, off duty").arg(day);
    case DutyCode::NoRotation:
        break;
    }
    return day;
}

QStringList CrewsOnDuty(QDate date) {
    QStringList crews;
    for (const Crew& crew : Crews()) {
        if (DutyCodeFor(date, crew.anchor) == DutyCode::Work)
            crews << crew.entry;
    }
    return crews;
}

QString CrewsOnDutyText(QDate date) {
    const QStringList crews = CrewsOnDuty(date);
    if (!crews.isEmpty())
        return QCoreApplication::translate("Calendar", "On duty: %1")
            .arg(crews.join(QStringLiteral(", ")));
    for (const Crew& crew : Crews()) {
        if (DutyCodeFor(date, crew.anchor) != DutyCode::NoRotation)
            return QCoreApplication::translate("Calendar", "No crew on duty");
    }
    return QCoreApplication::translate("Calendar", "No rotation");
}

QString CellToolTip(QDate date, const LocaleSettings& locale) {
    return CellToolTip(LongDateText(date, locale), date);
}

QString CellToolTip(const QString& longDate, QDate date) {
    return longDate + QLatin1Char('\n') + CrewsOnDutyText(date);
}

} // namespace dutyloop
