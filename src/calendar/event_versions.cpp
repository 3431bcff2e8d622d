#include "calendar/event_versions.h"

#include "calendar/duty_events.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <algorithm>
#include <limits>
#include <map>
#include <set>

namespace dutyloop {

namespace {

// SEQUENCE is a 32-bit integer.
constexpr qint64 kLargestSequence = std::numeric_limits<qint32>::max();

// Whether `uid` is one the export gives its assignment's events: a key that ends in a date,
// then the assignment's suffix. "…-a-5-tfs@…" of an assignment "A 5 TFS" is no UID of "5 TFS".
bool IsOwnUid(const QByteArray& uid, const QByteArray& suffix) {
    if (!uid.endsWith(suffix))
        return false;
    const QByteArray key = uid.chopped(suffix.size());
    if (key.size() < 8 || !DateFromKey(key.right(8)).isValid())
        return false;
    return key.size() == 8 || key[key.size() - 9] == '-';
}

// The minutes, rather than seconds, from 2000 on: they stay within SEQUENCE's 32 bits for
// thousands of years.
qint64 SequenceAt(const QDateTime& stampUtc) {
    static const QDateTime epoch(QDate(2000, 1, 1), QTime(0, 0), QTimeZone::utc());
    return std::clamp<qint64>(epoch.secsTo(stampUtc) / 60, 0, kLargestSequence);
}

// The event as the earlier file had it, as the export would write it.
bool SameAsBefore(const IcalEvent& now, const IcalEvent& before) {
    const bool sameAlarm = now.alarm.has_value() == before.alarm.has_value() &&
                           (!now.alarm || now.alarm->secondsBefore == before.alarm->secondsBefore);
    return before.start == now.start && before.end == now.end &&
           before.summary == IcalPlainText(now.summary) &&
           before.description == IcalPlainText(now.description) && before.busy == now.busy &&
           before.status == now.status && sameAlarm;
}

// SEQUENCE and LAST-MODIFIED: kept where the event is as it was before, else raised to the
// moment of this export.
void DateVersion(IcalEvent& event, const IcalEvent* before, const QDateTime& stampUtc) {
    const qint64 sequenceBefore =
        before ? std::clamp<qint64>(before->sequence, 0, kLargestSequence) : -1;
    if (before && SameAsBefore(event, *before)) {
        event.sequence = sequenceBefore;
        // A file of an older Dutyloop has no LAST-MODIFIED: the event is as old as that file.
        for (const QDateTime& modified : {before->lastModified, before->stamp}) {
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

// The days a moment's event touches end before this one: the day after a moment after
// midnight.
QDate DayAfter(const IcalMoment& end) {
    return end.time.isValid() && end.time != QTime(0, 0) ? end.date.addDays(1) : end.date;
}

// An event of the earlier file that is no longer there, with the times it had, where it
// overlaps the days from `first` to `last`. Of one cancelled there already, the summary stays
// as it was.
std::optional<IcalEvent> CancelledEvent(const IcalEvent& before, QDate first, QDate last) {
    const IcalMoment& start = before.start;
    if (!start.date.isValid() || start.date > last)
        return std::nullopt;
    IcalMoment end = before.end;
    if (!end.date.isValid() || end.time.isValid() != start.time.isValid() ||
        DayAfter(end) <= start.date)
        end = start.time.isValid() ? start : IcalMoment{start.date.addDays(1), {}, {}};
    if (std::max(DayAfter(end), start.date.addDays(1)) <= first)
        return std::nullopt;
    IcalEvent cancelled;
    cancelled.uid = before.uid;
    cancelled.start = start;
    cancelled.end = end;
    cancelled.summary =
        before.status == IcalStatus::Cancelled
            ? before.summary
            : QCoreApplication::translate("Calendar", "Cancelled: %1").arg(before.summary);
    cancelled.description = before.description;
    cancelled.busy = false;
    cancelled.status = IcalStatus::Cancelled;
    return cancelled;
}

} // namespace

void FollowEarlierExport(QList<IcalEvent>& events, const IcalCalendar& earlier,
                         const QByteArray& uidSuffix, QDate first, QDate last,
                         const QDateTime& stampUtc) {
    std::map<QByteArray, const IcalEvent*> before;
    QList<const IcalEvent*> beforeInOrder;
    for (const IcalEvent& event : earlier.events) {
        if (IsOwnUid(event.uid, uidSuffix) && before.try_emplace(event.uid, &event).second)
            beforeInOrder.append(&event);
    }
    std::set<QByteArray> live;
    for (IcalEvent& event : events) {
        const auto found = before.find(event.uid);
        DateVersion(event, found == before.end() ? nullptr : found->second, stampUtc);
        live.insert(event.uid);
    }
    for (const IcalEvent* event : beforeInOrder) {
        if (live.contains(event->uid))
            continue;
        if (std::optional<IcalEvent> cancelled = CancelledEvent(*event, first, last)) {
            cancelled->stamp = stampUtc;
            DateVersion(*cancelled, event, stampUtc);
            events.append(std::move(*cancelled));
        }
    }
    std::stable_sort(events.begin(), events.end(), [](const IcalEvent& a, const IcalEvent& b) {
        return a.start.date < b.start.date;
    });
}

} // namespace dutyloop
