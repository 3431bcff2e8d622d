#include "calendar/published_duty.h"

#include "calendar/duty_events.h"
#include "schedule/crew.h"

#include <QCryptographicHash>

#include <algorithm>

namespace dutyloop {

QByteArray PublishedHash(const QByteArray& ics) {
    QByteArray unfolded = ics;
    unfolded.replace("\r\n ", "").replace("\r\n\t", "");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray& line : unfolded.split('\n')) {
        if (line.startsWith("DTSTAMP") || line.startsWith("SEQUENCE") ||
            line.startsWith("LAST-MODIFIED"))
            continue;
        hash.addData(line);
        hash.addData("\n");
    }
    return hash.result().toHex();
}

bool IsCrewUid(const QByteArray& uid, const QString& crew) {
    const QByteArray suffix = UidSuffixOf(crew);
    return !crew.isEmpty() && uid.size() > suffix.size() && uid.endsWith(suffix);
}

bool HoldsOtherUids(const QList<IcalEvent>& events) {
    return std::any_of(events.begin(), events.end(), [&events](const IcalEvent& event) {
        return event.uid != events.first().uid;
    });
}

PublishedDuty PublishedDutyFor(const Settings& settings, const DayChangesBySection& dayChanges,
                               const QDateTime& now, const HolidayList* holidays) {
    const std::optional<Crew> crew = CrewFollowing(settings.assignment);
    if (!crew)
        return {};
    const DayRange range = DutyCalendarRange(now.date(), settings.publish.months);
    const DayChanges& changes = DayChangesUnder(dayChanges, crew->entry);
    IcalCalendar calendar =
        DutyIcalCalendar(crew->entry, range.first, range.last, now.toUTC(), changes, {},
                         ExportTimingFor(settings, crew->entry, now.timeZone()), holidays);
    for (IcalEvent& event : calendar.events) {
        event.crew = crew->entry;
        event.categories = {QString::fromLatin1(kPublishedCategory)};
    }
    const QList<QByteArray> resources = IcalResourceTexts(calendar);
    QList<PublishedEvent> events;
    for (qsizetype i = 0; i < resources.size(); ++i) {
        const IcalEvent& event = calendar.events[i];
        events.append({event.uid, event.start.date, resources[i], PublishedHash(resources[i])});
    }
    const DutyEvents answered = DutyEventsFor(crew->entry, range.first, range.last, changes);
    return {crew->entry, {answered.first, answered.last}, events};
}

} // namespace dutyloop
