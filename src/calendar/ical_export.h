#pragma once

#include "schedule/day_changes.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace dutyloop {

struct DayRange {
    QDate first;
    QDate last;
    friend constexpr bool operator==(const DayRange&, const DayRange&) = default;
};

inline constexpr int kMinExportMonths = 1;
inline constexpr int kMaxExportMonths = 120;

// Whole months: from the 1st of the month that holds `firstOfMonth` to the last day of the
// month `months - 1` later. `months` is held to 1 to 120.
DayRange DutyCalendarRange(QDate firstOfMonth, int months);

// The assignment's duty from firstDay to lastDay as an iCalendar file (RFC 5545), with the
// user's day changes: one all-day event for each piece of a run of duty and for each note on a
// day off duty, as DutyEventsFor gives them, for the range grown to whole runs of the rotation at
// either end. `stampUtc` is the moment of the export and becomes every event's DTSTAMP. Lines end
// in CRLF and are folded at 75 octets; the file is UTF-8.
//
// Importing the next export over this one has to leave the calendar program with the events as
// they then are. The UIDs hold that together: they are keyed by what the user's changes cannot
// move (see DutyEvent::key), so a changed day gives the same events the same UIDs again.
// `earlier` is the file this one replaces, when there is one (the last export to the same path):
// an event of the same assignment in it that overlaps the days this file answers for but is no
// longer there comes again, "Cancelled: " before its summary, with STATUS:CANCELLED, and an event
// that was cancelled there stays so, so that an export imported late still cancels. Every event
// has a SEQUENCE and a LAST-MODIFIED: those the earlier file gave it where the event is as it was
// there, else the moment of this export, and SEQUENCE then the minutes from 2000-01-01 00:00 UTC
// to it, at least one more than before. So SEQUENCE only grows, for as long as the clock does, also
// where the earlier file is gone.
//
// The number of duty periods written comes with the file: the pieces of duty, not the notes of
// days off and not what is cancelled.
struct DutyCalendar {
    QByteArray ics;
    int dutyPeriods = 0;
};
DutyCalendar DutyCalendarIcs(const QString& assignment, QDate firstDay, QDate lastDay,
                             const QDateTime& stampUtc, const DayChanges& changes = {},
                             const QByteArray& earlier = {});

} // namespace dutyloop
