#include "calendar/duty_hours_texts.h"

#include "calendar/duty_times.h"
#include "calendar/isolated_runs.h"

#include <QCoreApplication>

namespace dutyloop {

QString DutyHoursText(const DutyHours& hours, const LocaleSettings& locale) {
    const QString start = FormatClockTime(hours.start, locale);
    const QString end = FormatClockTime(hours.end, locale);
    if (EndsNextDay(hours))
        //: A duty's start and its end on the next day, as in "07:00 – 07:00 next day".
        return QCoreApplication::translate("Calendar", "%1 – %2 next day").arg(start, end);
    //: A duty's start and end on one day, as in "07:00 – 19:00".
    return QCoreApplication::translate("Calendar", "%1 – %2").arg(start, end);
}

QString DutyWithHoursText(const QString& duty, const QString& hours) {
    //: The duty, then its hours: "Work 07:00 – 07:00 next day".
    return QCoreApplication::translate("Calendar", "%1 %2").arg(duty, hours);
}

QString HoursNumberText(qint64 minutes, const LocaleSettings& locale) {
    if (minutes % 60 == 0)
        return locale.locale.toString(minutes / 60);
    return locale.locale.toString(static_cast<double>(minutes) / 60.0, 'f',
                                  minutes % 30 == 0 ? 1 : 2);
}

HourCounts HourCountsFor(QDate shown, QDate anchor, const DayChanges* changes,
                         const DutyHours& hours, const QTimeZone& zone) {
    const DutyOf worked = changes ? EffectiveDutyOf(anchor, *changes) : RotationDutyOf(anchor);
    // A rostered duty taken as leave or sick counts as a work day of its own kind here.
    const DutyOf taken = [anchor, changes](QDate day) {
        if (!changes || DutyCodeFor(day, anchor) != DutyCode::Work)
            return DutyCode::Off;
        const DayChangeKind kind = ChangeOn(day, anchor, *changes).kind;
        return kind == DayChangeKind::Leave || kind == DayChangeKind::Sick ? DutyCode::Work
                                                                           : DutyCode::Off;
    };
    const QDate yearStart(shown.year(), 1, 1);
    const QDate monthStart(shown.year(), shown.month(), 1);
    const QDate monthEnd(shown.year(), shown.month(), shown.daysInMonth());
    const auto minutes = [&](QDate first, const DutyOf& duty) {
        return DutyMinutesBetween(first, monthEnd, duty, DutyCode::Work, hours, zone);
    };
    return {minutes(monthStart, worked), minutes(yearStart, worked), minutes(monthStart, taken),
            minutes(yearStart, taken)};
}

QString HourCountText(const HourCounts& counts, QDate shown, const LocaleSettings& locale) {
    const QString month = locale.longMonthNames[static_cast<std::size_t>(shown.month() - 1)];
    const QString year = YearText(shown.year(), locale);
    const auto hours = [&locale](qint64 minutes) {
        return LeftToRightRun(HoursNumberText(minutes, locale), locale);
    };
    //: Hours worked in the shown month and in its year up to the month's end: "Hours on duty:
    //: 288 in March, 816 in 2027".
    QString text = QCoreApplication::translate("Calendar", "Hours on duty: %1 in %2, %3 in %4")
                       .arg(hours(counts.monthMinutes), month, hours(counts.yearMinutes), year);
    if (counts.yearTakenMinutes > 0)
        text +=
            QLatin1Char('\n') +
            QCoreApplication::translate("Calendar",
                                        "Hours taken as leave or sick: %1 in %2, %3 in %4")
                .arg(hours(counts.monthTakenMinutes), month, hours(counts.yearTakenMinutes), year);
    return text;
}

} // namespace dutyloop
