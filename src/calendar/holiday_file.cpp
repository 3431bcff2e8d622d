#include "calendar/holiday_file.h"

#include "calendar/event_occurrences.h"
#include "calendar/ical_reader.h"
#include "schedule/day_changes.h"

#include <QSet>

#include <algorithm>
#include <map>
#include <set>

namespace dutyloop {

namespace {

// What the repetitions of a whole file may cost and mark, shared out evenly among its events:
// every day of the calendar's years for each of a few hundred rules, every year of a yearly
// holiday for each of ten thousand, and for a larger file each event's share of the whole.
constexpr int kStepsOfAFile = 1'000'000;
constexpr int kMostStepsOfAnEvent = 40'000;
constexpr int kDaysOfAFile = 200'000;
constexpr int kMostDaysOfAnEvent = 40'000;
// A moved instance is one occurrence, of at most a month.
constexpr int kDaysOfAnInstance = 32;

bool IsCancelled(icalcomponent* event) {
    return icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED;
}

QByteArray UidOf(icalcomponent* event) {
    return QByteArray(icalcomponent_get_uid(event)).trimmed();
}

QString NameOf(icalcomponent* event) {
    const char* summary = icalcomponent_get_summary(event);
    return CleanNote(QString::fromUtf8(summary ? summary : "")).simplified();
}

// The days `span` touches: whole days up to its end day; a span of time every day of `local` from
// its start to its end, the day it ends at midnight not among them.
QList<QDate> DaysOf(const EventSpan& span, const QTimeZone& local) {
    QDate from = span.firstDay;
    QDate to = span.endDay.addDays(-1);
    if (span.timed()) {
        const QDateTime start = span.start.toTimeZone(local);
        const QDateTime end = span.end.toTimeZone(local);
        from = start.date();
        to = end > start && end.time() == QTime(0, 0) ? end.date().addDays(-1) : end.date();
    }
    QList<QDate> days;
    for (QDate day = from; day <= to && days.size() <= 31; day = day.addDays(1))
        days.append(day);
    return days;
}

struct FileEvents {
    QList<icalcomponent*> events;                             // with no RECURRENCE-ID
    std::map<QByteArray, QList<icalcomponent*>> replacements; // by UID
};

FileEvents EventsOf(icalcomponent* root) {
    QList<icalcomponent*> all;
    for (icalcomponent* calendar =
             icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
         calendar; calendar = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        all += IcalEventsIn(calendar);
    FileEvents events;
    for (icalcomponent* event : all) {
        if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY))
            events.replacements[UidOf(event)].append(event);
        else
            events.events.append(event);
    }
    return events;
}

class HolidayCollector {
public:
    HolidayCollector(QDate first, QDate last, const QTimeZone& local)
        : m_first(first), m_last(last), m_local(local) {}

    // The days of the occurrences, at most `mostDays` of them; false where that cut them short.
    bool add(const QList<EventSpan>& spans, const QString& name, int mostDays) {
        int added = 0;
        for (const EventSpan& span : spans) {
            for (const QDate day : DaysOf(span, m_local)) {
                if (day < m_first || day > m_last || m_named.contains({day, name}))
                    continue;
                if (++added > mostDays)
                    return false;
                m_named.insert({day, name});
                m_days.holidays.push_back({day, HolidayName::Titled, false, name});
            }
        }
        return true;
    }
    HolidayFileDays days() && {
        std::stable_sort(m_days.holidays.begin(), m_days.holidays.end(),
                         [](const Holiday& a, const Holiday& b) { return a.date < b.date; });
        return std::move(m_days);
    }
    void cutShort(const QString& name) {
        if (!m_cutShort.contains(name)) {
            m_cutShort.insert(name);
            m_days.cutShort.append(name);
        }
    }

private:
    QDate m_first;
    QDate m_last;
    QTimeZone m_local;
    QSet<std::pair<QDate, QString>> m_named;
    QSet<QString> m_cutShort;
    HolidayFileDays m_days;
};

} // namespace

std::optional<HolidayFileDays> HolidaysOfIcalText(const QByteArray& text, QDate first, QDate last,
                                                  const QTimeZone& local) {
    const IcalComponent root = IcalComponentsOfText(text);
    if (!icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT))
        return std::nullopt;
    const FileEvents file = EventsOf(root.get());
    const int count = std::max<int>(1, int(file.events.size()));
    const OccurrenceLimits limits{first, last,
                                  std::clamp(kStepsOfAFile / count, 1, kMostStepsOfAnEvent),
                                  std::clamp(kDaysOfAFile / count, 1, kMostDaysOfAnEvent)};
    HolidayCollector collector(first, last, local);
    std::set<QByteArray> cancelled;
    for (icalcomponent* event : file.events) {
        if (IsCancelled(event)) {
            cancelled.insert(UidOf(event));
            continue;
        }
        QList<LeftOutInstance> replaced;
        const auto found = file.replacements.find(UidOf(event));
        if (found != file.replacements.end()) {
            for (icalcomponent* replacement : found->second)
                replaced.append(InstanceOf(
                    icalcomponent_get_first_property(replacement, ICAL_RECURRENCEID_PROPERTY),
                    local));
        }
        const EventOccurrences occurrences = OccurrencesOf(event, replaced, limits, local);
        const QString name = NameOf(event);
        if (!collector.add(occurrences.spans, name, limits.mostOccurrences) || occurrences.cutShort)
            collector.cutShort(name);
    }
    // A moved instance marks its new day; one cancelled, or of a cancelled event, none.
    for (const auto& [uid, replacements] : file.replacements) {
        if (cancelled.contains(uid))
            continue;
        for (icalcomponent* replacement : replacements) {
            if (!IsCancelled(replacement))
                collector.add(OccurrencesOf(replacement, {}, limits, local).spans,
                              NameOf(replacement), kDaysOfAnInstance);
        }
    }
    return std::move(collector).days();
}

} // namespace dutyloop
