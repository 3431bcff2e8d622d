#include "calendar/ical_export.h"

#include "calendar/duty_events.h"
#include "calendar/duty_times.h"
#include "calendar/ical_text.h"
#include "calendar/ical_writer.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <algorithm>
#include <limits>
#include <map>
#include <set>

namespace dutyloop {

namespace {

// The right-hand side of every UID. Fixed rather than taken from the support host, which is a
// build setting: a UID that changed with the build would duplicate every imported event.
constexpr char kUidDomain[] = "dutyloop.halvorne.example";

// SEQUENCE is a 32-bit integer.
constexpr qint64 kLargestSequence = std::numeric_limits<qint32>::max();

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

// Whether `uid` is one this export gives its assignment's events: a key that ends in a date,
// then the assignment's suffix. "…-a-5-tfs@…" of an assignment "A 5 TFS" is no UID of "5 TFS".
bool IsOwnUid(const QByteArray& uid, const QByteArray& suffix) {
    if (!uid.endsWith(suffix))
        return false;
    const QByteArray key = uid.chopped(suffix.size());
    if (key.size() < 8 || !DateFromValue(key.right(8)).isValid())
        return false;
    return key.size() == 8 || key[key.size() - 9] == '-';
}

// The minutes, rather than seconds, from 2000 on: they stay within SEQUENCE's 32 bits for
// thousands of years.
qint64 SequenceAt(const QDateTime& stampUtc) {
    static const QDateTime epoch(QDate(2000, 1, 1), QTime(0, 0), QTimeZone::utc());
    return std::clamp<qint64>(epoch.secsTo(stampUtc) / 60, 0, kLargestSequence);
}

QByteArray ValueOf(const EventProperties& event, const char* name) {
    const auto found = event.find(name);
    return found == event.end() ? QByteArray() : found->second;
}

// A moment as the earlier file wrote it: a date, a time in UTC, or a time by the clock of the
// zone it names (floating without one); nullopt for a value that is none of them.
std::optional<IcalMoment> MomentFromValue(const QByteArray& value, const QByteArray& zone) {
    const QDate date = DateFromValue(value.left(8));
    if (!date.isValid())
        return std::nullopt;
    if (value.size() == 8)
        return IcalMoment{date, {}, {}};
    const bool utc = value.size() == 16 && value.endsWith('Z');
    if ((value.size() != 15 && !utc) || value[8] != 'T')
        return std::nullopt;
    const QTime time = QTime::fromString(QString::fromLatin1(value.mid(9, 6)), u"HHmmss");
    if (!time.isValid())
        return std::nullopt;
    return IcalMoment{date, time, utc ? QByteArray("UTC") : zone};
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

QByteArray ZoneOf(const IcalMoment& moment) {
    return moment.time.isValid() && moment.zone != "UTC" ? moment.zone : QByteArray();
}

// The event as the earlier file had it, as this export would write it.
bool SameAsBefore(const IcalEvent& now, const EventProperties& before) {
    const QByteArray trigger = now.alarm ? IcalTriggerValue(now.alarm->secondsBefore) : "";
    return ValueOf(before, "DTSTART") == IcalMomentValue(now.start) &&
           ValueOf(before, "DTSTART;TZID") == ZoneOf(now.start) &&
           ValueOf(before, "DTEND") == IcalMomentValue(now.end) &&
           ValueOf(before, "DTEND;TZID") == ZoneOf(now.end) &&
           UnescapedText(ValueOf(before, "SUMMARY")) == IcalPlainText(now.summary) &&
           UnescapedText(ValueOf(before, "DESCRIPTION")) == IcalPlainText(now.description) &&
           ValueOf(before, "TRANSP") == (now.busy ? "OPAQUE" : "TRANSPARENT") &&
           ValueOf(before, "STATUS") == (now.cancelled ? "CANCELLED" : "CONFIRMED") &&
           ValueOf(before, "VALARM:TRIGGER") == trigger;
}

// SEQUENCE and LAST-MODIFIED: kept where the event is as it was before, else raised to the
// moment of this export.
void DateVersion(IcalEvent& event, const EventProperties* before, const QDateTime& stampUtc) {
    const qint64 sequenceBefore =
        before ? std::clamp<qint64>(ValueOf(*before, "SEQUENCE").toLongLong(), 0, kLargestSequence)
               : -1;
    if (before && SameAsBefore(event, *before)) {
        event.sequence = sequenceBefore;
        // A file of an older Dutyloop has no LAST-MODIFIED: the event is as old as that file.
        for (const char* name : {"LAST-MODIFIED", "DTSTAMP"}) {
            const QDateTime modified = UtcStampFromValue(ValueOf(*before, name));
            if (modified.isValid()) {
                event.lastModified = modified;
                return;
            }
        }
    } else {
        event.sequence =
            std::min(std::max(sequenceBefore + 1, SequenceAt(stampUtc)), kLargestSequence);
    }
    event.lastModified = stampUtc.toUTC();
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
    const IcalEvent common{{},         0,     {},          {}, {}, event.summary, event.description,
                           event.busy, false, std::nullopt};
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
                    (events.size() == 1 ? event.key : "day-" + DateValue(day)) + uidSuffix;
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

// The days a moment's event touches end before this one: the day after a moment after
// midnight.
QDate DayAfter(const IcalMoment& end) {
    return end.time.isValid() && end.time != QTime(0, 0) ? end.date.addDays(1) : end.date;
}

// An event of the earlier file that is no longer there, with the times it had. Of one cancelled
// there already, the summary stays as it was.
IcalEvent CancelledEvent(const QByteArray& uid, const EventProperties& before,
                         const IcalMoment& start, const IcalMoment& end) {
    const QString summary = UnescapedText(ValueOf(before, "SUMMARY"));
    const bool wasCancelled = ValueOf(before, "STATUS") == "CANCELLED";
    return {uid,
            0,
            {},
            start,
            end,
            wasCancelled ? summary
                         : QCoreApplication::translate("Calendar", "Cancelled: %1").arg(summary),
            UnescapedText(ValueOf(before, "DESCRIPTION")),
            false,
            true,
            std::nullopt};
}

} // namespace

DayRange DutyCalendarRange(QDate firstOfMonth, int months) {
    const int count = std::clamp(months, kMinExportMonths, kMaxExportMonths);
    const QDate first(firstOfMonth.year(), firstOfMonth.month(), 1);
    const QDate lastMonth = first.addMonths(count - 1);
    return {first, lastMonth.addDays(lastMonth.daysInMonth() - 1)};
}

DutyCalendar DutyCalendarIcs(const QString& assignment, QDate firstDay, QDate lastDay,
                             const QDateTime& stampUtc, const DayChanges& changes,
                             const QByteArray& earlier, const ExportTiming& timing,
                             const HolidayList* holidays) {
    const QByteArray uidSuffix = '-' + UidSlug(assignment) + '@' + kUidDomain;
    const DutyEvents duty = DutyEventsFor(assignment, firstDay, lastDay, changes, holidays);

    // What the earlier file said of each of this assignment's UIDs: the first it has of each.
    std::map<QByteArray, EventProperties> before;
    QList<QByteArray> beforeInOrder;
    for (EventProperties& event : EventsInCalendar(earlier)) {
        const QByteArray uid = ValueOf(event, "UID").trimmed();
        if (IsOwnUid(uid, uidSuffix) && before.try_emplace(uid, std::move(event)).second)
            beforeInOrder.append(uid);
    }
    const auto beforeOf = [&before](const QByteArray& uid) -> const EventProperties* {
        const auto found = before.find(uid);
        return found == before.end() ? nullptr : &found->second;
    };

    IcalCalendar calendar{QStringLiteral("Dutyloop ") + assignment, stampUtc, {}};
    QList<IcalEvent>& events = calendar.events;
    std::set<QByteArray> live;
    int dutyPeriods = 0;
    for (const DutyEvent& event : duty.events) {
        for (IcalEvent& written : LiveEvents(event, uidSuffix, timing)) {
            DateVersion(written, beforeOf(written.uid), stampUtc);
            live.insert(written.uid);
            dutyPeriods += event.busy ? 1 : 0;
            events.append(std::move(written));
        }
    }
    // An earlier event on days this file answers for is either among them still or is gone. One
    // wholly outside them, exported with another range, is left to the file of that range.
    for (const QByteArray& uid : beforeInOrder) {
        const EventProperties& event = before.at(uid);
        const std::optional<IcalMoment> start =
            MomentFromValue(ValueOf(event, "DTSTART"), ValueOf(event, "DTSTART;TZID"));
        if (live.contains(uid) || !start || start->date > duty.last)
            continue;
        std::optional<IcalMoment> end =
            MomentFromValue(ValueOf(event, "DTEND"), ValueOf(event, "DTEND;TZID"));
        if (!end || end->time.isValid() != start->time.isValid() || DayAfter(*end) <= start->date)
            end = start->time.isValid() ? *start : IcalMoment{start->date.addDays(1), {}, {}};
        if (std::max(DayAfter(*end), start->date.addDays(1)) <= duty.first)
            continue;
        events.append(CancelledEvent(uid, event, *start, *end));
        DateVersion(events.last(), &event, stampUtc);
    }
    std::stable_sort(events.begin(), events.end(), [](const IcalEvent& a, const IcalEvent& b) {
        return a.start.date < b.start.date;
    });
    return {IcalText(calendar), dutyPeriods};
}

} // namespace dutyloop
