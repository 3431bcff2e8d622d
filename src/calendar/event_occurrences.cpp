#include "calendar/event_occurrences.h"

#include "calendar/rule_cost.h"

#include <algorithm>
#include <map>

namespace dutyloop {

namespace {

// An event longer than this is no holiday; its days are cut here.
constexpr int kLongestEvent = 31;
// What looking at a day for a rule costs, in steps of libical's iterator.
constexpr int kDaysOfAStep = 8;

QDate DateOf(const icaltimetype& time) {
    return icaltime_is_null_time(time) ? QDate() : QDate(time.year, time.month, time.day);
}

const char* ZoneOf(icalproperty* property) {
    return property ? icalproperty_get_parameter_as_string(property, "TZID") : nullptr;
}

// The event's own length: days for an event of whole days, seconds for one with a time.
struct EventLength {
    qint64 days = 1;
    qint64 seconds = 0;
};

EventLength LengthOf(icalcomponent* event, const icaltimetype& start, const QTimeZone& local) {
    icalproperty* dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    icalproperty* dtend = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY);
    icalproperty* duration = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY);
    EventLength length;
    if (dtend) {
        const icaltimetype end = icalproperty_get_dtend(dtend);
        if (start.is_date && end.is_date)
            length.days = DateOf(start).daysTo(DateOf(end));
        else if (!start.is_date && !end.is_date)
            length.seconds =
                MomentOf(start, ZoneOf(dtstart), local).secsTo(MomentOf(end, ZoneOf(dtend), local));
    } else if (duration) {
        const int seconds = icaldurationtype_as_int(icalproperty_get_duration(duration));
        length.days = seconds / 86400;
        length.seconds = seconds;
    }
    length.days = std::clamp<qint64>(length.days, 1, kLongestEvent);
    length.seconds = std::clamp<qint64>(length.seconds, 0, qint64(kLongestEvent) * 86400);
    return length;
}

// Occurrences by their start as the event writes it, each with the end a PERIOD gave it.
using Starts = std::map<QDateTime, EventSpan>;

void AddStart(Starts& starts, const icaltimetype& time, const char* tzid, const EventLength& length,
              const QTimeZone& local) {
    EventSpan span;
    if (time.is_date) {
        span.firstDay = DateOf(time);
        span.endDay = span.firstDay.addDays(length.days);
        if (span.firstDay.isValid())
            starts.try_emplace(span.firstDay.startOfDay(QTimeZone::utc()), span);
        return;
    }
    span.start = MomentOf(time, tzid, local);
    span.end = span.start.addSecs(length.seconds);
    if (span.start.isValid())
        starts.try_emplace(span.start, span);
}

icaltimetype Floating(QDate date, bool isDate) {
    icaltimetype time = icaltime_null_time();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    time.is_date = isDate;
    return time;
}

// The last day the iterator walks to, for a rule of steps of `unit` seconds starting `from`.
QDate WalkEnd(const icalrecurrencetype& rule, QDate from, QDate last, int mostSteps) {
    qint64 unit = 0;
    switch (rule.freq) {
    case ICAL_SECONDLY_RECURRENCE:
        unit = 1;
        break;
    case ICAL_MINUTELY_RECURRENCE:
        unit = 60;
        break;
    case ICAL_HOURLY_RECURRENCE:
        unit = 3600;
        break;
    case ICAL_DAILY_RECURRENCE:
        unit = 86400;
        break;
    default:
        return last;
    }
    // libical steps these one by one, matching or not: the steps allowed end the walk.
    const qint64 days = unit * std::max<qint64>(rule.interval, 1) * mostSteps / 86400;
    return std::min(last, from.addDays(days));
}

// The starts of one RRULE from `walkFrom` to `walkTo`; false where the limits cut it short.
bool AddRuleStarts(Starts& starts, icalrecurrencetype rule, const icaltimetype& dtstart,
                   const char* tzid, const EventLength& length, const OccurrenceLimits& limits,
                   const QTimeZone& local) {
    const QDate walkFrom =
        rule.count > 0 ? DateOf(dtstart)
                       : std::max(DateOf(dtstart), limits.first.addDays(-kLongestEvent - 1));
    QDate walkTo = limits.last.addDays(1);
    if (!icaltime_is_null_time(rule.until))
        walkTo = std::min(walkTo, DateOf(rule.until));
    if (walkTo < walkFrom)
        return true;
    // The days looked at are paid for as the steps are: a file of thousands of rules that look
    // for days they never find is read in a few seconds, and says which it gave up on.
    const RuleDays days = DaysOfRule(rule, walkFrom, walkTo, limits.mostSteps * kDaysOfAStep);
    if (days != RuleDays::Some)
        return days == RuleDays::None;
    rule = CheaperRule(rule);
    const QDate stepsEnd = WalkEnd(rule, walkFrom, walkTo, limits.mostSteps);
    bool complete = stepsEnd >= walkTo;
    // An UNTIL within the walk stays as written, to the second.
    if (icaltime_is_null_time(rule.until) || DateOf(rule.until) > stepsEnd)
        rule.until = Floating(stepsEnd.addDays(1), dtstart.is_date);
    icaltimetype start = dtstart;
    start.zone = nullptr;
    icalrecur_iterator* steps = icalrecur_iterator_new(rule, start);
    if (!steps)
        return true;
    if (rule.count == 0 && walkFrom > DateOf(dtstart))
        icalrecur_iterator_set_start(steps, Floating(walkFrom, dtstart.is_date));
    int taken = 0;
    for (icaltimetype next = icalrecur_iterator_next(steps); !icaltime_is_null_time(next);
         next = icalrecur_iterator_next(steps)) {
        if (DateOf(next) > walkTo)
            break;
        if (++taken > limits.mostSteps || int(starts.size()) >= limits.mostOccurrences) {
            complete = false;
            break;
        }
        if (DateOf(next) >= walkFrom)
            AddStart(starts, next, tzid, length, local);
    }
    icalrecur_iterator_free(steps);
    return complete;
}

void AddRdates(Starts& starts, icalcomponent* event, const EventLength& length,
               const QTimeZone& local) {
    for (icalproperty* rdate = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); rdate;
         rdate = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(rdate);
        if (!icaltime_is_null_time(value.time)) {
            AddStart(starts, value.time, ZoneOf(rdate), length, local);
            continue;
        }
        const icalperiodtype period = value.period;
        if (icaltime_is_null_time(period.start))
            continue;
        EventLength own = length;
        const QDateTime from = MomentOf(period.start, ZoneOf(rdate), local);
        own.seconds = icaltime_is_null_time(period.end)
                          ? icaldurationtype_as_int(period.duration)
                          : from.secsTo(MomentOf(period.end, ZoneOf(rdate), local));
        own.seconds = std::clamp<qint64>(own.seconds, 0, qint64(kLongestEvent) * 86400);
        AddStart(starts, period.start, ZoneOf(rdate), own, local);
    }
}

bool IsLeftOut(const EventSpan& span, const LeftOutInstance& instance, const QTimeZone& local) {
    if (instance.moment.isValid())
        return span.timed() ? span.start == instance.moment
                            : span.firstDay == instance.moment.toTimeZone(local).date();
    return span.timed() ? span.start.date() == instance.day : span.firstDay == instance.day;
}

} // namespace

QDateTime MomentOf(const icaltimetype& time, const char* tzid, const QTimeZone& local) {
    const QDate date = DateOf(time);
    const QTime clock(time.hour, time.minute, time.second);
    if (!date.isValid() || !clock.isValid())
        return {};
    if (icaltime_is_utc(time))
        return QDateTime(date, clock, QTimeZone::utc());
    const QTimeZone zone(tzid ? QByteArray(tzid) : QByteArray());
    return QDateTime(date, clock, tzid && zone.isValid() ? zone : local);
}

LeftOutInstance InstanceOf(icalproperty* property, const QTimeZone& local) {
    const icaltimetype time = icalvalue_get_datetimedate(icalproperty_get_value(property));
    if (time.is_date)
        return {DateOf(time), {}};
    return {{}, MomentOf(time, ZoneOf(property), local)};
}

EventOccurrences OccurrencesOf(icalcomponent* event, const QList<LeftOutInstance>& replaced,
                               const OccurrenceLimits& limits, const QTimeZone& local) {
    icalproperty* dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    EventOccurrences occurrences;
    if (!dtstart)
        return occurrences;
    const icaltimetype start = icalproperty_get_dtstart(dtstart);
    if (!DateOf(start).isValid())
        return occurrences;
    const EventLength length = LengthOf(event, start, local);
    Starts starts;
    AddStart(starts, start, ZoneOf(dtstart), length, local);
    for (icalproperty* rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); rrule;
         rrule = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        if (!AddRuleStarts(starts, icalproperty_get_rrule(rrule), start, ZoneOf(dtstart), length,
                           limits, local))
            occurrences.cutShort = true;
    }
    AddRdates(starts, event, length, local);
    QList<LeftOutInstance> leftOut = replaced;
    for (icalproperty* exdate = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY);
         exdate; exdate = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
        leftOut.append(InstanceOf(exdate, local));
    for (const auto& [key, span] : starts) {
        const bool out =
            std::any_of(leftOut.begin(), leftOut.end(), [&](const LeftOutInstance& instance) {
                return IsLeftOut(span, instance, local);
            });
        if (!out)
            occurrences.spans.append(span);
    }
    return occurrences;
}

} // namespace dutyloop
