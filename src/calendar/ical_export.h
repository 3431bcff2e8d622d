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

// The assignment's work days from firstDay to lastDay as an iCalendar file (RFC 5545): one
// all-day event for each run of consecutive work days that has a day in the range, always the
// whole run, also where it crosses either end of the range. `stampUtc` is the moment of the export
// and becomes every event's DTSTAMP. Lines end in CRLF and are folded at 75 octets; the file is
// UTF-8.
//
// With the user's day changes, the runs are of days really on duty: a day of leave, sickness
// or a swap splits its run, and extra duty is a run of its own ("Extra duty (...)"), apart from
// the rostered days beside it. The notes of a run's days are its DESCRIPTION; a note on a day
// off duty is an all-day event of its own, which takes no time ("note-" before its UID).
//
// The number of duty periods written comes with the file: the runs, not the notes of days off.
struct DutyCalendar {
    QByteArray ics;
    int dutyPeriods = 0;
};
DutyCalendar DutyCalendarIcs(const QString& assignment, QDate firstDay, QDate lastDay,
                             const QDateTime& stampUtc, const DayChanges& changes = {});

} // namespace dutyloop
