#include "calendar/published_duty.h"

#include "calendar/duty_events.h"
#include "calendar/next_duty.h"
#include "schedule/crew.h"

#include <QCryptographicHash>

#include <libical/ical.h>

#include <memory>
#include <set>

namespace dutyloop {

namespace {

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

QByteArray TextOf(icalcomponent* component) {
    char* text = icalcomponent_as_ical_string_r(component);
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    // As in the export: libical 3.0 can fold a full last line inside its closing CRLF.
    bytes.replace("\r\r\n \n", "\r\n");
    bytes.replace("\r\n \r\n", "\r\n");
    return bytes;
}

// The zones an event's start and end are given in.
std::set<QByteArray> ZonesOf(icalcomponent* event) {
    std::set<QByteArray> zones;
    for (const icalproperty_kind kind : {ICAL_DTSTART_PROPERTY, ICAL_DTEND_PROPERTY}) {
        icalproperty* moment = icalcomponent_get_first_property(event, kind);
        icalparameter* tzid =
            moment ? icalproperty_get_first_parameter(moment, ICAL_TZID_PARAMETER) : nullptr;
        if (tzid)
            zones.insert(icalparameter_get_tzid(tzid));
    }
    return zones;
}

icalcomponent* ZoneNamed(icalcomponent* calendar, const QByteArray& id) {
    for (icalcomponent* zone =
             icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT);
         zone; zone = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        icalproperty* tzid = icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY);
        if (tzid && id == icalproperty_get_tzid(tzid))
            return zone;
    }
    return nullptr;
}

// One calendar object resource: no METHOD, which a calendar collection's resources may not have.
Component ResourceCalendar(icalcomponent* calendar, icalcomponent* event, const QString& crew) {
    Component resource(icalcomponent_new_vcalendar());
    icalcomponent_add_property(resource.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(resource.get(),
                               icalproperty_new_prodid("-//Halvorne//Dutyloop//EN"));
    icalcomponent_add_property(resource.get(), icalproperty_new_calscale("GREGORIAN"));
    for (const QByteArray& id : ZonesOf(event)) {
        if (icalcomponent* zone = ZoneNamed(calendar, id))
            icalcomponent_add_component(resource.get(), icalcomponent_new_clone(zone));
    }
    icalcomponent* copy = icalcomponent_new_clone(event);
    icalproperty* mark = icalproperty_new_x(crew.toUtf8().constData());
    icalproperty_set_x_name(mark, kCrewProperty);
    icalcomponent_add_property(copy, mark);
    icalcomponent_add_property(copy, icalproperty_new_categories(kPublishedCategory));
    icalcomponent_add_component(resource.get(), copy);
    return resource;
}

} // namespace

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

bool IsPublishedEvent(const QByteArray& uid, const QByteArray& crewProperty,
                      const QByteArray& categories) {
    const QByteArrayView domain(kPublishedUidDomain);
    if (!uid.endsWith(domain) || uid.size() == domain.size())
        return false;
    if (!crewProperty.isEmpty())
        return true;
    for (const QByteArray& category : categories.split(',')) {
        if (category.trimmed() == kPublishedCategory)
            return true;
    }
    return false;
}

QList<PublishedEvent> PublishedEventsOf(const QByteArray& ics, const QString& crew) {
    QList<PublishedEvent> events;
    const Component calendar(icalparser_parse_string(ics.constData()));
    if (!calendar)
        return events;
    // Collected first: a component has one iterator over its parts, which finding a zone moves.
    QList<icalcomponent*> vevents;
    for (icalcomponent* event =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT))
        vevents.append(event);
    for (icalcomponent* event : vevents) {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        const Component resource = ResourceCalendar(calendar.get(), event, crew);
        PublishedEvent published{icalcomponent_get_uid(event),
                                 QDate(start.year, start.month, start.day),
                                 TextOf(resource.get()),
                                 {}};
        published.hash = PublishedHash(published.ics);
        events.append(std::move(published));
    }
    return events;
}

PublishedDuty PublishedDutyFor(const Settings& settings, const DayChangesBySection& dayChanges,
                               const QDateTime& now, const HolidayList* holidays) {
    const std::optional<Crew> crew = CrewFollowing(settings.assignment);
    if (!crew)
        return {};
    const DayRange range = DutyCalendarRange(now.date(), settings.publish.months);
    const DayChanges& changes = DayChangesUnder(dayChanges, crew->entry);
    const ExportTiming timing{CrewDutyHours(settings, *crew), now.timeZone(), settings.reminder};
    const DutyCalendar calendar = DutyCalendarIcs(crew->entry, range.first, range.last, now.toUTC(),
                                                  changes, {}, timing, holidays);
    const DutyEvents answered = DutyEventsFor(crew->entry, range.first, range.last, changes);
    return {
        crew->entry, {answered.first, answered.last}, PublishedEventsOf(calendar.ics, crew->entry)};
}

} // namespace dutyloop
