#pragma once

#include "calendar/ical_writer.h"
#include "schedule/day_changes.h"
#include "schedule/duty_hours.h"
#include "schedule/holidays.h"
#include "schedule/reminder.h"
#include "settings/settings_file.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>

namespace dutyloop {

struct DayRange {
    QDate first;
    QDate last;
    friend constexpr bool operator==(const DayRange&, const DayRange&) = default;
};

// The right-hand side of every UID the export and the publishing give their events. Fixed rather
// than taken from the support host, which is a build setting: a UID that changed with the build
// would duplicate every imported event.
inline constexpr char kUidDomain[] = "@dutyloop.halvorne.example";

// What every UID of the assignment's events ends in, "-5-tfs@dutyloop.halvorne.example" for
// "5 TFS"; the key before it tells the events apart.
QByteArray UidSuffixOf(const QString& assignment);

inline constexpr int kMinExportMonths = 1;
inline constexpr int kMaxExportMonths = 120;

// Whole months: from the 1st of the month that holds `firstOfMonth` to the last day of the
// month `months - 1` later. `months` is held to 1 to 120.
DayRange DutyCalendarRange(QDate firstOfMonth, int months);

// When the exported duty starts and ends, and how it is reminded of: the crew's hours (none for
// all day) by the clock of the user's time zone, and the user's reminder.
struct ExportTiming {
    std::optional<DutyHours> hours;
    QTimeZone zone = QTimeZone::utc();
    Reminder reminder;
};

// The timing of `crew`'s duty (its entry in the assignment list) as the settings give it, in
// `zone`.
ExportTiming ExportTimingFor(const Settings& settings, const QString& crew, const QTimeZone& zone);

// The assignment's duty from firstDay to lastDay as an iCalendar file (RFC 5545), with the
// user's day changes: one all-day event for each piece of a run of duty and for each note on a
// day off duty, as DutyEventsFor gives them, for the range grown to whole runs of the rotation at
// either end. `stampUtc` is the moment of the export and becomes every event's DTSTAMP. Lines end
// in CRLF and are folded at 75 octets; the file is UTF-8.
//
// With hours, a piece of duty is timed instead, by the wall clock of the zone (TZID, with the
// zone's VTIMEZONE; in UTC for a zone that is UTC all year): from the start of its first duty to
// the end of its last, where each duty ends as the next starts (07:00 to 07:00); else each duty
// of it an event of its own (19:00 to 07:00), the first with the piece's UID, each other one
// with "day-" and the date it starts on as its key ("day-20270303"). Notes stay all-day events.
// With a reminder, each piece of duty has an alarm (VALARM, its summary the text shown), the
// minutes before its start or on the evening before at the chosen time; an all-day event starts
// at midnight.
//
// Importing the next export over this one has to leave the calendar program with the events as
// they then are. The UIDs hold that together: they are keyed by what the user's changes cannot
// move (see DutyEvent::key), so a changed day gives the same events the same UIDs again.
// `earlier` is the file this one replaces, when there is one (the last export to the same path):
// its events give this file's their SEQUENCE and LAST-MODIFIED, and those gone come again
// cancelled, as FollowEarlierExport says.
//
// A piece of duty on a public holiday of `holidays` names the holiday in its description.
//
// The number of duty periods written comes with the file: the pieces of duty, not the notes of
// days off and not what is cancelled.
struct DutyCalendar {
    QByteArray ics;
    int dutyPeriods = 0;
};
DutyCalendar DutyCalendarIcs(const QString& assignment, QDate firstDay, QDate lastDay,
                             const QDateTime& stampUtc, const DayChanges& changes = {},
                             const QByteArray& earlier = {}, const ExportTiming& timing = {},
                             const HolidayList* holidays = nullptr);

// The same calendar as values, before it is written, with the file it replaces as read.
IcalCalendar DutyIcalCalendar(const QString& assignment, QDate firstDay, QDate lastDay,
                              const QDateTime& stampUtc, const DayChanges& changes = {},
                              const IcalCalendar& earlier = {}, const ExportTiming& timing = {},
                              const HolidayList* holidays = nullptr);

} // namespace dutyloop
