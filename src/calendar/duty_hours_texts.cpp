#include "calendar/duty_hours_texts.h"

#include "calendar/duty_times.h"

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

QString WithDutyHours(const QString& duty, bool worked, const DutyHours* hours,
                      const LocaleSettings& locale) {
    if (!worked || !hours)
        return duty;
    //: The duty, then its hours: "Work 07:00 – 07:00 next day".
    return QCoreApplication::translate("Calendar", "%1 %2")
        .arg(duty, DutyHoursText(*hours, locale));
}

QString HoursNumberText(qint64 minutes, const LocaleSettings& locale) {
    if (minutes % 60 == 0)
        return locale.locale.toString(minutes / 60);
    return locale.locale.toString(static_cast<double>(minutes) / 60.0, 'f',
                                  minutes % 30 == 0 ? 1 : 2);
}

HourCounts HourCountsFor(QDate shown, QDate anchor, const DayChanges* changes,
                         const DutyHours& hours, const QTimeZone& zone) {
    HourCounts counts;
    const QDate monthEnd(shown.year(), shown.month(), shown.daysInMonth());
    for (QDate day(shown.year(), 1, 1); day <= monthEnd; day = day.addDays(1)) {
        const DutyCode effective =
            changes ? EffectiveDutyFor(day, anchor, *changes) : DutyCodeFor(day, anchor);
        const bool inMonth = day.month() == shown.month();
        if (effective == DutyCode::Work) {
            const qint64 minutes = DutyMinutesOn(day, hours, zone);
            counts.yearMinutes += minutes;
            counts.monthMinutes += inMonth ? minutes : 0;
            continue;
        }
        if (!changes || DutyCodeFor(day, anchor) != DutyCode::Work)
            continue;
        const DayChangeKind kind = ChangeOn(day, anchor, *changes).kind;
        if (kind != DayChangeKind::Leave && kind != DayChangeKind::Sick)
            continue;
        const qint64 minutes = DutyMinutesOn(day, hours, zone);
        counts.yearTakenMinutes += minutes;
        counts.monthTakenMinutes += inMonth ? minutes : 0;
    }
    return counts;
}

QString HourCountText(const HourCounts& counts, QDate shown, const LocaleSettings& locale) {
    const QString month = locale.longMonthNames[static_cast<std::size_t>(shown.month() - 1)];
    const QString year = QString::number(shown.year());
    //: Hours worked in the shown month and in its year up to the month's end: "Hours on duty:
    //: 288 in March, 816 in 2027".
    QString text = QCoreApplication::translate("Calendar", "Hours on duty: %1 in %2, %3 in %4")
                       .arg(HoursNumberText(counts.monthMinutes, locale), month,
                            HoursNumberText(counts.yearMinutes, locale), year);
    if (counts.yearTakenMinutes > 0)
        text += QLatin1Char('\n') +
                QCoreApplication::translate("Calendar",
                                            "Hours taken as leave or sick: %1 in %2, %3 in %4")
                    .arg(HoursNumberText(counts.monthTakenMinutes, locale), month,
                         HoursNumberText(counts.yearTakenMinutes, locale), year);
    return text;
}

} // namespace dutyloop
