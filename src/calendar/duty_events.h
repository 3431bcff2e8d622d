#pragma once

#include "schedule/day_changes.h"
#include "schedule/holidays.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace dutyloop {

// One event of the duty calendar before it is written: a piece of a run of duty, or a note on a
// day off duty.
struct DutyEvent {
    // What tells the event apart from every other of the same assignment, also after the user
    // changes days: the UID before "-<assignment>@...". It is taken from what those changes
    // cannot move, the rotation's own runs of work days and stretches of days off:
    //   "20270302"            the first (or only) piece of the rotation's run from 2 March;
    //   "part2-20270302"      its second piece, where leave or a swap cuts the run in two;
    //   "extra-20270305"      the first piece of extra duty among the days off from 5 March,
    //                         "extra-part2-20270305" the second;
    //   "note-20270306"       the note of a day off duty, by its date.
    // Leave on a run's first day so leaves the run's event with its UID, moved to the next day.
    QByteArray key;
    QDate first;
    QDate end; // the day after the last
    QString summary;
    QString description; // the notes of the days, none when empty
    bool busy = true;    // a piece of duty; a note is not
    friend bool operator==(const DutyEvent&, const DutyEvent&) = default;
};

// A date as it stands in a key, "20270302"; the date of such a text, or an invalid date.
QByteArray DateKey(QDate date);
QDate DateFromKey(const QByteArray& key);

// The events of the days from `first` to `last`, in date order.
struct DutyEvents {
    // The days they answer for: the range grown at either end to the whole run of work days or
    // stretch of days off of the rotation it starts and ends in, so that a run crossing an end
    // is there whole with every piece of it. Empty (last before first) for an empty range.
    QDate first;
    QDate last;
    QList<DutyEvent> events;
};

// The assignment's duty from firstDay to lastDay as the user's changes leave it: each run of
// work days really on duty an event, where leave, sickness or a swap splits a run into pieces
// and extra duty makes pieces of its own ("Extra duty (...)"), apart from the rostered days
// beside them. The notes of a piece's days, and the public holidays among them where `holidays`
// are marked, are its description; a note on a day off duty is an event of its own that does not
// make the crew member busy. The dates are those from 0001-01-01 to the day before 9999-12-31.
DutyEvents DutyEventsFor(const QString& assignment, QDate firstDay, QDate lastDay,
                         const DayChanges& changes, const HolidayList* holidays = nullptr);

} // namespace dutyloop
