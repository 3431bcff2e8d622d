#pragma once

#include "calendar/ical_component.h"
#include "calendar/ical_writer.h"

#include <QByteArray>

namespace dutyloop {

// iCalendar text (RFC 5545) read through libical into the values ical_writer.h writes: the file
// an export replaces, the resources a calendar server or a vdir folder holds, and, in the tests,
// what the export wrote.
//
// The calendar's name and its VEVENTs, in the order they stand, wherever they stand: in a
// VCALENDAR, in several, or alone. Lines may end in CRLF, LF or CR, as editors and other
// programs may have saved the file; a file cut short gives what it holds up to the cut. Text
// that holds no iCalendar gives no events. Of each event:
// - the UID without the spaces around it;
// - start and end as written: a day, a time in UTC, or a time by the wall clock of the zone its
//   TZID names, floating without one; an invalid date where the time is missing or unreadable;
// - DTSTAMP and LAST-MODIFIED where given in UTC, else invalid; SEQUENCE, 0 without one;
// - busy unless TRANSP says TRANSPARENT; the status None for any STATUS but CONFIRMED and
//   CANCELLED, and without one;
// - the first alarm whose TRIGGER is a length of time from the start;
// - the crew of kCrewProperty, and the categories of every CATEGORIES.
IcalCalendar IcalCalendarFromText(const QByteArray& ics);

// Every component of the text, under one root, read as IcalCalendarFromText reads it; a line
// that holds a NUL byte is left out, the rest of the file read.
IcalComponent IcalComponentsOfText(const QByteArray& ics);

// The VEVENTs below `component`, but not those inside a VEVENT.
QList<icalcomponent*> IcalEventsIn(icalcomponent* component);

} // namespace dutyloop
