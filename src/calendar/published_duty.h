#pragma once

#include "calendar/ical_export.h"
#include "settings/day_changes_file.h"
#include "settings/settings_file.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace dutyloop {

// The duty calendar as it is published: one iCalendar resource per event, as a CalDAV server
// keeps a calendar and as a vdir folder keeps one file per event.

// The category that marks an event as Dutyloop's beside its crew (kCrewProperty).
inline constexpr char kPublishedCategory[] = "Dutyloop";

struct PublishedEvent {
    QByteArray uid;
    QDate first; // the day it starts on
    // A VCALENDAR with this one VEVENT and the VTIMEZONE it names.
    QByteArray ics;
    // SHA-256 in hexadecimal of the resource without what changes on every run (DTSTAMP,
    // SEQUENCE, LAST-MODIFIED): equal hashes, equal events, and an event already published is
    // not sent again.
    QByteArray hash;
};

struct PublishedDuty {
    QString crew; // the crew's entry in the assignment list, "5 TFS"; empty: no crew
    // The days the events answer for: the published months, grown to whole runs of the rotation
    // at either end. An event of Dutyloop's that starts before `first` is history and stays
    // where it is published; one from `first` on that is not among `events` is taken away.
    DayRange days;
    QList<PublishedEvent> events;
};

// The chosen crew's duty from the 1st of the month `now` falls in, for the target's months, with
// the user's day changes, duty hours and reminder, in `now`'s time zone: the events of the
// export, with the same UIDs, and a duty on one of `holidays` naming it. No events where the
// assignment follows no crew's rotation.
PublishedDuty PublishedDutyFor(const Settings& settings, const DayChangesBySection& dayChanges,
                               const QDateTime& now, const HolidayList* holidays = nullptr);

// The calendar file split into one resource per event, each marked as the crew's.
QList<PublishedEvent> PublishedEventsOf(const QByteArray& ics, const QString& crew);

// The hash of a resource as PublishedEvent::hash has it.
QByteArray PublishedHash(const QByteArray& ics);

// Whether an event is Dutyloop's own of `crew`'s duty: its UID is one Dutyloop gives that crew's
// events. The UID alone decides, since a calendar program that edits an event keeps its UID
// but may drop the crew's mark and the category; another crew's events are never ours, nor are
// anyone else's.
bool IsCrewUid(const QByteArray& uid, const QString& crew);

// Whether a resource's events are of more than one UID, as a whole calendar file's are: such a
// resource is not one event, and never Dutyloop's to replace.
bool HoldsOtherUids(const QList<IcalEvent>& events);

} // namespace dutyloop
