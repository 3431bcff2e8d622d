#include "calendar/ical_writer.h"

#include "calendar/ical_component.h"

#include <QTimeZone>

#include <map>
#include <set>
#include <utility>

namespace dutyloop {

namespace {

icaltimetype DateTimeValue(QDate date, QTime time) {
    icaltimetype value = icaltime_null_time();
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    value.hour = time.hour();
    value.minute = time.minute();
    value.second = time.second();
    return value;
}

icaltimetype MomentValue(const IcalMoment& moment) {
    if (!moment.time.isValid()) {
        icaltimetype day = icaltime_null_date();
        day.year = moment.date.year();
        day.month = moment.date.month();
        day.day = moment.date.day();
        return day;
    }
    icaltimetype value = DateTimeValue(moment.date, moment.time);
    if (moment.zone == "UTC")
        value.zone = icaltimezone_get_utc_timezone();
    return value;
}

// A time in a named zone is written by the wall clock, the zone named beside it.
icalproperty* WithZone(icalproperty* property, const IcalMoment& moment) {
    if (moment.time.isValid() && !moment.zone.isEmpty() && moment.zone != "UTC")
        icalproperty_add_parameter(property, icalparameter_new_tzid(moment.zone.constData()));
    return property;
}

icaltimetype UtcValue(const QDateTime& moment) {
    const QDateTime utc = moment.toUTC();
    icaltimetype value = DateTimeValue(utc.date(), utc.time());
    value.zone = icaltimezone_get_utc_timezone();
    return value;
}

// An exact length, in hours, minutes and seconds: a day in a trigger would be a day on the
// calendar, which the night the clocks change makes 23 or 25 hours.
icaldurationtype ExactDuration(qint64 seconds) {
    icaldurationtype duration = icaldurationtype_null_duration();
    duration.is_neg = seconds < 0 ? 1 : 0;
    const qint64 length = seconds < 0 ? -seconds : seconds;
    duration.hours = static_cast<unsigned int>(length / 3600);
    duration.minutes = static_cast<unsigned int>(length % 3600 / 60);
    duration.seconds = static_cast<unsigned int>(length % 60);
    return duration;
}

icalcomponent* AlarmComponent(const IcalAlarm& alarm) {
    icalcomponent* component = icalcomponent_new_valarm();
    icalcomponent_add_property(component, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalcomponent_add_property(
        component, icalproperty_new_description(IcalPlainText(alarm.description).toUtf8()));
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = ExactDuration(-alarm.secondsBefore);
    icalcomponent_add_property(component, icalproperty_new_trigger(trigger));
    return component;
}

icalproperty_status StatusValue(IcalStatus status) {
    switch (status) {
    case IcalStatus::Confirmed:
        return ICAL_STATUS_CONFIRMED;
    case IcalStatus::Cancelled:
        return ICAL_STATUS_CANCELLED;
    case IcalStatus::None:
        break;
    }
    return ICAL_STATUS_NONE;
}

icalcomponent* EventComponent(const IcalEvent& event) {
    icalcomponent* component = icalcomponent_new_vevent();
    const auto add = [component](icalproperty* property) {
        icalcomponent_add_property(component, property);
    };
    add(icalproperty_new_uid(event.uid.constData()));
    add(icalproperty_new_dtstamp(UtcValue(event.stamp)));
    add(icalproperty_new_sequence(static_cast<int>(event.sequence)));
    add(icalproperty_new_lastmodified(UtcValue(event.lastModified)));
    add(WithZone(icalproperty_new_dtstart(MomentValue(event.start)), event.start));
    add(WithZone(icalproperty_new_dtend(MomentValue(event.end)), event.end));
    add(icalproperty_new_summary(IcalPlainText(event.summary).toUtf8()));
    if (const QString description = IcalPlainText(event.description); !description.isEmpty())
        add(icalproperty_new_description(description.toUtf8()));
    add(icalproperty_new_transp(event.busy ? ICAL_TRANSP_OPAQUE : ICAL_TRANSP_TRANSPARENT));
    if (event.status != IcalStatus::None)
        add(icalproperty_new_status(StatusValue(event.status)));
    if (!event.crew.isEmpty()) {
        icalproperty* mark = icalproperty_new_x(event.crew.toUtf8().constData());
        icalproperty_set_x_name(mark, kCrewProperty);
        add(mark);
    }
    for (const QString& category : event.categories)
        add(icalproperty_new_categories(category.toUtf8().constData()));
    if (event.alarm)
        icalcomponent_add_component(component, AlarmComponent(*event.alarm));
    return component;
}

// One onset of a zone's offset: from `offsetFrom` to `offsetTo` at `localStart`, the wall clock
// before the change (a UTC QDateTime whose date and time are that clock's).
icalcomponent* Onset(bool daylight, const QDateTime& localStart, int offsetFrom, int offsetTo,
                     const QString& name) {
    icalcomponent* onset = daylight ? icalcomponent_new_xdaylight() : icalcomponent_new_xstandard();
    if (!name.isEmpty())
        icalcomponent_add_property(onset, icalproperty_new_tzname(name.toUtf8().constData()));
    icalcomponent_add_property(onset, icalproperty_new_tzoffsetfrom(offsetFrom));
    icalcomponent_add_property(onset, icalproperty_new_tzoffsetto(offsetTo));
    icalcomponent_add_property(
        onset, icalproperty_new_dtstart(DateTimeValue(localStart.date(), localStart.time())));
    return onset;
}

// A zone as Qt knows it, for one libical has no data of: its offset at the start of the years
// the events cover and each of its changes from then to their end.
icalcomponent* ZoneFromQt(const QByteArray& id, QDate first, QDate last) {
    const QTimeZone zone(id);
    if (!zone.isValid())
        return nullptr;
    icalcomponent* component = icalcomponent_new_vtimezone();
    icalcomponent_add_property(component, icalproperty_new_tzid(id.constData()));
    const QDateTime from(QDate(first.year(), 1, 1), QTime(0, 0), QTimeZone::utc());
    const QDateTime to(QDate(last.year() + 1, 1, 1), QTime(0, 0), QTimeZone::utc());
    // Of a zone that is an offset alone, Qt gives no offset data, but its offset.
    const int opening = zone.offsetFromUtc(from);
    icalcomponent_add_component(component, Onset(zone.isDaylightTime(from), from.addSecs(opening),
                                                 opening, opening, zone.abbreviation(from)));
    int offset = opening;
    for (const QTimeZone::OffsetData& change : zone.transitions(from, to)) {
        const QDateTime before = change.atUtc.addSecs(offset);
        icalcomponent_add_component(component, Onset(change.daylightTimeOffset != 0, before, offset,
                                                     change.offsetFromUtc, change.abbreviation));
        offset = change.offsetFromUtc;
    }
    return component;
}

icalcomponent* ZoneComponent(const QByteArray& id, QDate first, QDate last) {
    icaltimezone* builtin = icaltimezone_get_builtin_timezone(id.constData());
    icalcomponent* data = builtin ? icaltimezone_get_component(builtin) : nullptr;
    if (!data)
        return ZoneFromQt(id, first, last);
    // libical names its zones with a prefix of its own; the events name the zone by its id.
    icalcomponent* component = icalcomponent_new_clone(data);
    if (icalproperty* tzid = icalcomponent_get_first_property(component, ICAL_TZID_PROPERTY))
        icalproperty_set_tzid(tzid, id.constData());
    return component;
}

// The named zones of the events, each with the first and the last day it is used on.
using ZoneDays = std::map<QByteArray, std::pair<QDate, QDate>>;
ZoneDays ZonesUsed(const QList<IcalEvent>& events) {
    ZoneDays zones;
    for (const IcalEvent& event : events) {
        for (const IcalMoment* moment : {&event.start, &event.end}) {
            if (!moment->time.isValid() || moment->zone.isEmpty() || moment->zone == "UTC")
                continue;
            const auto [found, added] = zones.try_emplace(moment->zone, moment->date, moment->date);
            if (!added) {
                found->second.first = std::min(found->second.first, moment->date);
                found->second.second = std::max(found->second.second, moment->date);
            }
        }
    }
    return zones;
}

std::set<QByteArray> ZoneIds(const ZoneDays& zones) {
    std::set<QByteArray> ids;
    for (const auto& zone : zones)
        ids.insert(zone.first);
    return ids;
}

// A VCALENDAR with what every file of Dutyloop's starts with, and the VTIMEZONEs of `zones`,
// each made for the days `days` gives it.
IcalComponent CalendarWithZones(const std::set<QByteArray>& zones, const ZoneDays& days) {
    IcalComponent calendar(icalcomponent_new_vcalendar());
    icalcomponent* root = calendar.get();
    icalcomponent_add_property(root, icalproperty_new_version("2.0"));
    icalcomponent_add_property(root, icalproperty_new_prodid("-//Halvorne//Dutyloop//EN"));
    icalcomponent_add_property(root, icalproperty_new_calscale("GREGORIAN"));
    for (const QByteArray& id : zones) {
        const std::pair<QDate, QDate>& span = days.at(id);
        if (icalcomponent* zone = ZoneComponent(id, span.first, span.second))
            icalcomponent_add_component(root, zone);
    }
    return calendar;
}

} // namespace

QString IcalPlainText(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                continue; // the LF that follows is the line break
            plain += u'\n';
        } else if (c == u'\n' || c == u'\t' || (c >= 0x20 && c != 0x7F)) {
            plain += QChar(c);
        }
    }
    return plain;
}

QByteArray IcalText(const IcalCalendar& calendar) {
    const ZoneDays zones = ZonesUsed(calendar.events);
    const IcalComponent vcalendar = CalendarWithZones(ZoneIds(zones), zones);
    icalcomponent* root = vcalendar.get();
    icalcomponent_add_property(root, icalproperty_new_method(ICAL_METHOD_PUBLISH));
    // Of a property of its own, libical escapes backslashes and line breaks but leaves commas
    // and semicolons as they are, which the programs that read this name expect.
    icalproperty* calendarName = icalproperty_new_x(IcalPlainText(calendar.name).toUtf8());
    icalproperty_set_x_name(calendarName, "X-WR-CALNAME");
    icalcomponent_add_property(root, calendarName);
    for (const IcalEvent& event : calendar.events)
        icalcomponent_add_component(root, EventComponent(event));
    return IcalComponentText(root);
}

QList<QByteArray> IcalResourceTexts(const IcalCalendar& calendar) {
    // A zone is made for the days of the whole calendar, as it is in IcalText's file.
    const ZoneDays zones = ZonesUsed(calendar.events);
    QList<QByteArray> resources;
    for (const IcalEvent& event : calendar.events) {
        const IcalComponent resource = CalendarWithZones(ZoneIds(ZonesUsed({event})), zones);
        icalcomponent_add_component(resource.get(), EventComponent(event));
        resources.append(IcalComponentText(resource.get()));
    }
    return resources;
}

} // namespace dutyloop
