#include "calendar/ical_export.h"

#include "calendar/duty_events.h"
#include "calendar/duty_times.h"
#include "calendar/event_versions.h"
#include "calendar/ical_reader.h"

#include <QTimeZone>

#include <algorithm>

namespace dutyloop {

namespace {

// The assignment as it stands in a UID: ASCII letters in lower case and digits kept, each run
// of other ASCII characters one '-', other characters as their UTF-8 bytes in %XX. Lower case
// because the window treats "3 twt" as "3 TWT"; the UID then needs no escaping.
QByteArray UidSlug(const QString& assignment) {
    QByteArray slug;
    bool separate = false;
    const auto put = [&](const QByteArray& piece) {
        if (separate && !slug.isEmpty())
            slug += '-';
        separate = false;
        slug += piece;
    };
    for (qsizetype i = 0; i < assignment.size(); ++i) {
        const char16_t c = assignment[i].unicode();
        if ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z')) {
            put(QByteArray(1, static_cast<char>(c)));
        } else if (c >= u'A' && c <= u'Z') {
            put(QByteArray(1, static_cast<char>(c - u'A' + u'a')));
        } else if (c < 0x80) {
            separate = true;
        } else {
            // The whole run of non-ASCII characters at once, so a surrogate pair stays whole.
            qsizetype end = i + 1;
            while (end < assignment.size() && assignment[end].unicode() >= 0x80)
                ++end;
            put(assignment.mid(i, end - i).toUtf8().toPercentEncoding());
            i = end - 1;
        }
    }
    return slug.isEmpty() ? QByteArray("assignment") : slug;
}

// The zone's id as the file names it: "UTC" for a zone that never differs from UTC.
QByteArray ZoneName(const QTimeZone& zone) {
    const QDateTime someDay(QDate(2000, 1, 1), QTime(0, 0), QTimeZone::utc());
    if (!zone.hasTransitions() && zone.offsetFromUtc(someDay) == 0)
        return "UTC";
    return zone.id();
}

IcalMoment MomentOf(const QDateTime& time, const QByteArray& zoneName) {
    return {time.date(), time.time(), zoneName};
}

// The seconds from the reminder to a duty that starts at `start`: a day, at its midnight, or a
// moment in the zone.
std::optional<IcalAlarm> AlarmFor(const Reminder& reminder, const IcalMoment& start,
                                  const QTimeZone& zone, const QString& summary) {
    switch (reminder.kind) {
    case Reminder::Kind::None:
        return std::nullopt;
    case Reminder::Kind::Before:
        return IcalAlarm{reminder.minutesBefore * qint64(60), summary};
    case Reminder::Kind::EveningBefore:
        break;
    }
    if (!start.time.isValid())
        return IcalAlarm{24 * 3600 - reminder.eveningAt.msecsSinceStartOfDay() / 1000, summary};
    // The evening's time read as a duty's start is, so that a time the clocks skip is the
    // same time later.
    const QDateTime evening =
        DutyPeriodOn(start.date.addDays(-1), {reminder.eveningAt, reminder.eveningAt}, zone).start;
    const QDateTime startTime = DutyPeriodOn(start.date, {start.time, start.time}, zone).start;
    return IcalAlarm{evening.secsTo(startTime), summary};
}

// The events of one piece of duty or one note: all day without hours; with them, the piece's
// duties, each joined to the one before where it starts as that one ends.
QList<IcalEvent> LiveEvents(const DutyEvent& event, const QByteArray& uidSuffix,
                            const ExportTiming& timing) {
    IcalEvent common;
    common.summary = event.summary;
    common.description = event.description;
    common.busy = event.busy;
    QList<IcalEvent> events;
    if (!event.busy || !timing.hours) {
        events.append(common);
        events.last().uid = event.key + uidSuffix;
        events.last().start = {event.first, {}, {}};
        events.last().end = {event.end, {}, {}};
    } else {
        const QByteArray zoneName = ZoneName(timing.zone);
        QDateTime lastEnd;
        for (QDate day = event.first; day < event.end; day = day.addDays(1)) {
            const DutyPeriod period = DutyPeriodOn(day, *timing.hours, timing.zone);
            if (!events.isEmpty() && period.start == lastEnd) {
                events.last().end = MomentOf(period.end, zoneName);
            } else {
                events.append(common);
                events.last().uid =
                    (events.size() == 1 ? event.key : "day-" + DateKey(day)) + uidSuffix;
                events.last().start = MomentOf(period.start, zoneName);
                events.last().end = MomentOf(period.end, zoneName);
            }
            lastEnd = period.end;
        }
    }
    if (event.busy) {
        for (IcalEvent& written : events)
            written.alarm = AlarmFor(timing.reminder, written.start, timing.zone, event.summary);
    }
    return events;
}

} // namespace

QByteArray UidSuffixOf(const QString& assignment) {
    return '-' + UidSlug(assignment) + kUidDomain;
}

DayRange DutyCalendarRange(QDate firstOfMonth, int months) {
    const int count = std::clamp(months, kMinExportMonths, kMaxExportMonths);
    const QDate first(firstOfMonth.year(), firstOfMonth.month(), 1);
    const QDate lastMonth = first.addMonths(count - 1);
    return {first, lastMonth.addDays(lastMonth.daysInMonth() - 1)};
}

IcalCalendar DutyIcalCalendar(const QString& assignment, QDate firstDay, QDate lastDay,
                              const QDateTime& stampUtc, const DayChanges& changes,
                              const IcalCalendar& earlier, const ExportTiming& timing,
                              const HolidayList* holidays) {
    const QByteArray uidSuffix = UidSuffixOf(assignment);
    const DutyEvents duty = DutyEventsFor(assignment, firstDay, lastDay, changes, holidays);
    IcalCalendar calendar{QStringLiteral("Dutyloop ") + assignment, {}};
    for (const DutyEvent& event : duty.events)
        calendar.events.append(LiveEvents(event, uidSuffix, timing));
    for (IcalEvent& event : calendar.events)
        event.stamp = stampUtc;
    FollowEarlierExport(calendar.events, earlier, uidSuffix, duty.first, duty.last, stampUtc);
    return calendar;
}

DutyCalendar DutyCalendarIcs(const QString& assignment, QDate firstDay, QDate lastDay,
                             const QDateTime& stampUtc, const DayChanges& changes,
                             const QByteArray& earlier, const ExportTiming& timing,
                             const HolidayList* holidays) {
    const IcalCalendar calendar = DutyIcalCalendar(assignment, firstDay, lastDay, stampUtc, changes,
                                                   IcalCalendarFromText(earlier), timing, holidays);
    // Cancelled events are no duty, nor are the notes of days off.
    const auto dutyPeriods = std::count_if(calendar.events.cbegin(), calendar.events.cend(),
                                           [](const IcalEvent& event) { return event.busy; });
    return {IcalText(calendar), static_cast<int>(dutyPeriods)};
}

ExportTiming ExportTimingFor(const Settings& settings, const QString& crew, const QTimeZone& zone) {
    const DutyHours* hours = DutyHoursOf(settings, crew);
    return {hours ? std::optional(*hours) : std::nullopt, zone, settings.reminder};
}

} // namespace dutyloop
