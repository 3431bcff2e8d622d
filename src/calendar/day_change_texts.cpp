#include "calendar/day_change_texts.h"

#include "calendar/cell_descriptions.h"
#include "calendar/header_texts.h"

#include <QCoreApplication>

namespace dutyloop {

QString DayChangeName(DayChangeKind kind) {
    switch (kind) {
    case DayChangeKind::AsRostered:
        break;
    case DayChangeKind::Leave:
        return QCoreApplication::translate("Calendar", "Leave");
    case DayChangeKind::Sick:
        return QCoreApplication::translate("Calendar", "Sick");
    case DayChangeKind::SwappedOff:
        return QCoreApplication::translate("Calendar", "Swapped off");
    case DayChangeKind::ExtraDuty:
        return QCoreApplication::translate("Calendar", "Extra duty");
    }
    return {};
}

QString StatusLineWithChange(QDate shownDate, DutyCode duty, const DayChange& change,
                             const LocaleSettings& locale) {
    const QString line = StatusLineText(shownDate, duty, locale);
    const QString name = DayChangeName(change.kind);
    if (line.isEmpty() || name.isEmpty())
        return line;
    return line.left(line.indexOf(QLatin1Char('\n')) + 1) + name;
}

QString AccessibleNameWithChange(const QString& name, const DayChange& change) {
    QString spoken = name;
    if (change.kind != DayChangeKind::AsRostered)
        spoken = QCoreApplication::translate("Calendar", "%1, %2")
                     .arg(spoken, DayChangeName(change.kind));
    if (!change.note.isEmpty())
        spoken = QCoreApplication::translate("Calendar", "%1, note: %2").arg(spoken, change.note);
    return spoken;
}

QString DayChangeDescription(const DayChange& change) {
    const QString kind = change.kind == DayChangeKind::AsRostered
                             ? QCoreApplication::translate("Calendar", "As rostered")
                             : DayChangeName(change.kind);
    if (change.note.isEmpty())
        return kind;
    return QCoreApplication::translate("Calendar", "%1, note “%2”").arg(kind, change.note);
}

QString DayChangedMeanwhileText(QDate date, const DayChange& onDisk, const LocaleSettings& locale) {
    return QCoreApplication::translate("Calendar",
                                       "%1 was changed in the days file while its dialog was "
                                       "open; the file now says: %2.\nYour change was not "
                                       "saved. Open the day again to change it.")
        .arg(LongDateText(date, locale), DayChangeDescription(onDisk));
}

QString ToolTipWithChange(const QString& toolTip, const DayChange& change) {
    QString tip = toolTip;
    if (change.kind != DayChangeKind::AsRostered)
        tip += QLatin1Char('\n') + DayChangeName(change.kind);
    if (!change.note.isEmpty())
        tip += QLatin1Char('\n') +
               QCoreApplication::translate("Calendar", "Note: %1").arg(change.note);
    return tip;
}

} // namespace dutyloop
