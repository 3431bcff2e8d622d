#include "calendar/ical_export.h"

#include "calendar/duty_events.h"
#include "calendar/ical_text.h"

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

// One VEVENT as it is written.
struct WrittenEvent {
    QByteArray uid;
    QDate first;
    QDate end;
    QByteArray summary;     // escaped, as are the others
    QByteArray description; // none when empty
    QByteArray transparency;
    QByteArray status;
    qint64 sequence = 0;
    QByteArray lastModified;
};

QByteArray ValueOf(const EventProperties& event, const char* name) {
    const auto found = event.find(name);
    return found == event.end() ? QByteArray() : found->second;
}

// The event as the earlier file had it, its text as this export would write it.
bool SameAsBefore(const WrittenEvent& now, const EventProperties& before) {
    return ValueOf(before, "DTSTART") == DateValue(now.first) &&
           ValueOf(before, "DTEND") == DateValue(now.end) &&
           EscapedText(UnescapedText(ValueOf(before, "SUMMARY"))) == now.summary &&
           EscapedText(UnescapedText(ValueOf(before, "DESCRIPTION"))) == now.description &&
           ValueOf(before, "TRANSP") == now.transparency && ValueOf(before, "STATUS") == now.status;
}

// SEQUENCE and LAST-MODIFIED: kept where the event is as it was before, else raised to the
// moment of this export.
void DateVersion(WrittenEvent& event, const EventProperties* before, const QDateTime& stampUtc) {
    const qint64 sequenceBefore =
        before ? std::clamp<qint64>(ValueOf(*before, "SEQUENCE").toLongLong(), 0, kLargestSequence)
               : -1;
    if (before && SameAsBefore(event, *before)) {
        event.sequence = sequenceBefore;
        // A file of an older Dutyloop has no LAST-MODIFIED: the event is as old as that file.
        for (const char* name : {"LAST-MODIFIED", "DTSTAMP"}) {
            const QDateTime modified = UtcStampFromValue(ValueOf(*before, name));
            if (modified.isValid()) {
                event.lastModified = UtcStampValue(modified);
                return;
            }
        }
    } else {
        event.sequence =
            std::min(std::max(sequenceBefore + 1, SequenceAt(stampUtc)), kLargestSequence);
    }
    event.lastModified = UtcStampValue(stampUtc);
}

WrittenEvent LiveEvent(const DutyEvent& event, const QByteArray& uidSuffix) {
    return {event.key + uidSuffix,
            event.first,
            event.end,
            EscapedText(event.summary),
            EscapedText(event.description),
            event.busy ? "OPAQUE" : "TRANSPARENT",
            "CONFIRMED",
            0,
            {}};
}

// An event of the earlier file that is no longer there, with the days it had. Of one cancelled
// there already, the summary stays as it was.
WrittenEvent CancelledEvent(const QByteArray& uid, const EventProperties& before, QDate first,
                            QDate end) {
    const QString summary = UnescapedText(ValueOf(before, "SUMMARY"));
    const bool wasCancelled = ValueOf(before, "STATUS") == "CANCELLED";
    return {
        uid,
        first,
        end,
        EscapedText(wasCancelled
                        ? summary
                        : QCoreApplication::translate("Calendar", "Cancelled: %1").arg(summary)),
        EscapedText(UnescapedText(ValueOf(before, "DESCRIPTION"))),
        "TRANSPARENT",
        "CANCELLED",
        0,
        {}};
}

void AppendEvent(QByteArray& out, const WrittenEvent& event, const QByteArray& stamp) {
    AppendContentLine(out, "BEGIN:VEVENT");
    AppendContentLine(out, "UID:" + event.uid);
    AppendContentLine(out, "DTSTAMP:" + stamp);
    AppendContentLine(out, "SEQUENCE:" + QByteArray::number(event.sequence));
    AppendContentLine(out, "LAST-MODIFIED:" + event.lastModified);
    // Dates without a time cannot be moved to another day by any time zone.
    AppendContentLine(out, "DTSTART;VALUE=DATE:" + DateValue(event.first));
    AppendContentLine(out, "DTEND;VALUE=DATE:" + DateValue(event.end));
    AppendContentLine(out, "SUMMARY:" + event.summary);
    if (!event.description.isEmpty())
        AppendContentLine(out, "DESCRIPTION:" + event.description);
    AppendContentLine(out, "TRANSP:" + event.transparency);
    AppendContentLine(out, "STATUS:" + event.status);
    AppendContentLine(out, "END:VEVENT");
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
                             const QByteArray& earlier) {
    const QByteArray uidSuffix = '-' + UidSlug(assignment) + '@' + kUidDomain;
    const DutyEvents duty = DutyEventsFor(assignment, firstDay, lastDay, changes);

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

    QList<WrittenEvent> events;
    std::set<QByteArray> live;
    int dutyPeriods = 0;
    for (const DutyEvent& event : duty.events) {
        events.append(LiveEvent(event, uidSuffix));
        DateVersion(events.last(), beforeOf(events.last().uid), stampUtc);
        live.insert(events.last().uid);
        dutyPeriods += event.busy ? 1 : 0;
    }
    // An earlier event on days this file answers for is either among them still or is gone. One
    // wholly outside them, exported with another range, is left to the file of that range.
    for (const QByteArray& uid : beforeInOrder) {
        const EventProperties& event = before.at(uid);
        const QDate first = DateFromValue(ValueOf(event, "DTSTART"));
        QDate end = DateFromValue(ValueOf(event, "DTEND"));
        if (live.contains(uid) || !first.isValid() || first > duty.last)
            continue;
        if (!end.isValid() || end <= first)
            end = first.addDays(1);
        if (end <= duty.first)
            continue;
        events.append(CancelledEvent(uid, event, first, end));
        DateVersion(events.last(), &event, stampUtc);
    }
    std::stable_sort(
        events.begin(), events.end(),
        [](const WrittenEvent& a, const WrittenEvent& b) { return a.first < b.first; });

    // The keywords, the product id and the calendar's name (two names) are not translated.
    QByteArray out;
    AppendContentLine(out, "BEGIN:VCALENDAR");
    AppendContentLine(out, "VERSION:2.0");
    AppendContentLine(out, "PRODID:-//Halvorne//Dutyloop//EN");
    AppendContentLine(out, "CALSCALE:GREGORIAN");
    AppendContentLine(out, "METHOD:PUBLISH");
    AppendContentLine(out, "X-WR-CALNAME:" + EscapedText(QStringLiteral("Dutyloop ") + assignment));
    const QByteArray stamp = UtcStampValue(stampUtc);
    for (const WrittenEvent& event : events)
        AppendEvent(out, event, stamp);
    AppendContentLine(out, "END:VCALENDAR");
    return {out, dutyPeriods};
}

} // namespace dutyloop
