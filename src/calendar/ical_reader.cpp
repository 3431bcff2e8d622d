#include "calendar/ical_reader.h"

#include "calendar/ical_component.h"

#include <QTimeZone>

#include <cstring>

namespace dutyloop {

namespace {

// What libical's parser reads a line at a time: the text with each line ending one LF.
struct LineSource {
    QByteArray text;
    qsizetype next = 0;
};

char* NextLine(char* into, std::size_t size, void* data) {
    auto* source = static_cast<LineSource*>(data);
    if (source->next >= source->text.size() || size < 2)
        return nullptr;
    qsizetype end = source->text.indexOf('\n', source->next);
    end = end < 0 ? source->text.size() : end + 1;
    const qsizetype length = std::min<qsizetype>(end - source->next, qsizetype(size) - 1);
    std::memcpy(into, source->text.constData() + source->next, std::size_t(length));
    into[length] = '\0';
    source->next += length;
    return into;
}

// The text without the lines that hold a NUL byte, which libical would read only up to it.
QByteArray WithoutNulLines(const QByteArray& text) {
    if (!text.contains('\0'))
        return text;
    QByteArray kept;
    kept.reserve(text.size());
    for (const QByteArray& line : text.split('\n')) {
        if (!line.contains('\0'))
            kept.append(line).append('\n');
    }
    return kept;
}

// Every component the text holds, under one root. Unlike icalparser_parse_string, a component
// whose END never comes is kept with what it holds. As there, malformed data is never fatal.
IcalComponent ParsedText(const QByteArray& ics) {
    LineSource source{WithoutNulLines(QByteArray(ics).replace("\r\n", "\n").replace('\r', '\n'))};
    const icalerrorstate malformed = icalerror_get_error_state(ICAL_MALFORMEDDATA_ERROR);
    icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, ICAL_ERROR_NONFATAL);
    icalparser* parser = icalparser_new();
    icalparser_set_gen_data(parser, &source);
    IcalComponent root(icalcomponent_new(ICAL_XROOT_COMPONENT));
    for (char* line = icalparser_get_line(parser, NextLine); line;
         line = icalparser_get_line(parser, NextLine)) {
        icalcomponent* component = icalparser_add_line(parser, line);
        icalmemory_free_buffer(line);
        if (component)
            icalcomponent_add_component(root.get(), component);
    }
    if (icalcomponent* rest = icalparser_clean(parser))
        icalcomponent_add_component(root.get(), rest);
    icalparser_free(parser);
    icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, malformed);
    return root;
}

void CollectEvents(icalcomponent* component, QList<icalcomponent*>& events) {
    for (icalcomponent* child = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
         child; child = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        if (icalcomponent_isa(child) == ICAL_VEVENT_COMPONENT)
            events.append(child);
        else
            CollectEvents(child, events);
    }
}

QString TextOf(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

IcalMoment MomentOf(icalproperty* property) {
    icalvalue* value = property ? icalproperty_get_value(property) : nullptr;
    if (!value)
        return {};
    const icaltimetype time = icalvalue_get_datetimedate(value);
    const QDate date(time.year, time.month, time.day);
    if (icaltime_is_null_time(time) || !date.isValid())
        return {};
    if (time.is_date)
        return {date, {}, {}};
    const QTime clock(time.hour, time.minute, time.second);
    if (!clock.isValid())
        return {};
    if (icaltime_is_utc(time))
        return {date, clock, "UTC"};
    const char* zone = icalproperty_get_parameter_as_string(property, "TZID");
    return {date, clock, zone ? QByteArray(zone) : QByteArray()};
}

QDateTime UtcOf(icalproperty* property) {
    const IcalMoment moment = MomentOf(property);
    if (!moment.time.isValid() || moment.zone != "UTC")
        return {};
    return QDateTime(moment.date, moment.time, QTimeZone::utc());
}

IcalStatus StatusOf(icalcomponent* event) {
    switch (icalcomponent_get_status(event)) {
    case ICAL_STATUS_CONFIRMED:
        return IcalStatus::Confirmed;
    case ICAL_STATUS_CANCELLED:
        return IcalStatus::Cancelled;
    default:
        return IcalStatus::None;
    }
}

std::optional<IcalAlarm> AlarmOf(icalcomponent* event) {
    for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
         alarm; alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
        icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        if (!trigger)
            continue;
        const icaltriggertype when = icalproperty_get_trigger(trigger);
        icalparameter* related = icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
        if (!icaltime_is_null_time(when.time) ||
            (related && icalparameter_get_related(related) == ICAL_RELATED_END))
            continue;
        return IcalAlarm{-qint64(icaldurationtype_as_int(when.duration)),
                         TextOf(icalcomponent_get_description(alarm))};
    }
    return std::nullopt;
}

// The first property of the component's own making (X-) that is named `name`.
icalproperty* PropertyNamed(icalcomponent* component, const char* name) {
    for (icalproperty* property = icalcomponent_get_first_property(component, ICAL_X_PROPERTY);
         property; property = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
        if (qstricmp(icalproperty_get_x_name(property), name) == 0)
            return property;
    }
    return nullptr;
}

QStringList CategoriesOf(icalcomponent* event) {
    QStringList categories;
    for (icalproperty* property = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
         property; property = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY))
        categories.append(TextOf(icalproperty_get_categories(property)).trimmed());
    return categories;
}

IcalEvent EventOf(icalcomponent* event) {
    const auto first = [event](icalproperty_kind kind) {
        return icalcomponent_get_first_property(event, kind);
    };
    icalproperty* transparency = first(ICAL_TRANSP_PROPERTY);
    icalproperty* crew = PropertyNamed(event, kCrewProperty);
    return {QByteArray(icalcomponent_get_uid(event)).trimmed(),
            UtcOf(first(ICAL_DTSTAMP_PROPERTY)),
            icalcomponent_get_sequence(event),
            UtcOf(first(ICAL_LASTMODIFIED_PROPERTY)),
            MomentOf(first(ICAL_DTSTART_PROPERTY)),
            MomentOf(first(ICAL_DTEND_PROPERTY)),
            TextOf(icalcomponent_get_summary(event)),
            TextOf(icalcomponent_get_description(event)),
            !transparency || icalproperty_get_transp(transparency) != ICAL_TRANSP_TRANSPARENT,
            StatusOf(event),
            AlarmOf(event),
            crew ? TextOf(icalproperty_get_x(crew)) : QString(),
            CategoriesOf(event)};
}

} // namespace

IcalComponent IcalComponentsOfText(const QByteArray& ics) {
    return ParsedText(ics);
}

QList<icalcomponent*> IcalEventsIn(icalcomponent* component) {
    QList<icalcomponent*> events;
    CollectEvents(component, events);
    return events;
}

IcalCalendar IcalCalendarFromText(const QByteArray& ics) {
    const IcalComponent root = ParsedText(ics);
    IcalCalendar calendar;
    for (icalcomponent* event : IcalEventsIn(root.get()))
        calendar.events.append(EventOf(event));
    icalcomponent* vcalendar =
        icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
    if (icalproperty* name = vcalendar ? PropertyNamed(vcalendar, "X-WR-CALNAME") : nullptr)
        calendar.name = TextOf(icalproperty_get_x(name));
    return calendar;
}

} // namespace dutyloop
