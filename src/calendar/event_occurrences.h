#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QTimeZone>

#include <libical/ical.h>

namespace dutyloop {

// When one occurrence of an event is: whole days, or a span of time.
struct EventSpan {
    QDate firstDay;  // whole days: from this one
    QDate endDay;    // up to, not including, this one
    QDateTime start; // a span of time, for an event with a time of day
    QDateTime end;
    bool timed() const { return start.isValid(); }
};

// An instance a calendar leaves out of an event's set (EXDATE) or replaces (RECURRENCE-ID): a day,
// which takes the occurrence on that day, or a moment, which takes the one that starts then.
struct LeftOutInstance {
    QDate day;
    QDateTime moment;
};

// How far the occurrences of an event are looked for, and what each rule may cost.
struct OccurrenceLimits {
    QDate first; // occurrences that touch no day from `first` to `last` are of no interest
    QDate last;
    int mostSteps = 0;       // of libical's iterator, for each RRULE
    int mostOccurrences = 0; // of the whole event
};

struct EventOccurrences {
    QList<EventSpan> spans;
    bool cutShort = false; // the limits left out occurrences that could touch the days
};

// The moment or day an iCalendar time stands for: a time in UTC, by the wall clock of the zone
// `tzid` names, or floating, which is by the clock of `local`.
QDateTime MomentOf(const icaltimetype& time, const char* tzid, const QTimeZone& local);
LeftOutInstance InstanceOf(icalproperty* property, const QTimeZone& local);

// The event's occurrences as a calendar program shows them: DTSTART and those of its RRULEs and
// RDATEs (a day, a time, or a PERIOD with its own end), less those of its EXDATEs and of
// `replaced`, each as long as the event (DTEND or DURATION) unless a PERIOD says otherwise.
EventOccurrences OccurrencesOf(icalcomponent* event, const QList<LeftOutInstance>& replaced,
                               const OccurrenceLimits& limits, const QTimeZone& local);

} // namespace dutyloop
