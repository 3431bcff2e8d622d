#pragma once

#include "schedule/rotation.h"

#include <QString>
#include <map>

namespace dutyloop {

// What the crew member made of a day the rotation planned.
enum class DayChangeKind {
    AsRostered, // no change, perhaps a note
    Leave,
    Sick,
    SwappedOff, // off duty although rostered to work
    ExtraDuty,  // on duty although rostered off
};

struct DayChange {
    DayChangeKind kind = DayChangeKind::AsRostered;
    QString note; // one line
    friend bool operator==(const DayChange&, const DayChange&) = default;
};

// The changes made under one assignment, by day.
using DayChanges = std::map<QDate, DayChange>;

// A note is one line of at most this many characters.
inline constexpr qsizetype kMaxNoteCharacters = 300;

// Whether a change of `kind` can be made on a day of duty `rostered`. Nothing can be made
// before the rotation starts; leave and sickness on any day of the rotation (a week of leave
// holds off days too); a swap only off a work day; extra duty only on an off day.
bool ChangeFits(DayChangeKind kind, DutyCode rostered);

// The change that holds on `date`: a stored one that does not fit the day counts as none.
DayChange ChangeOn(QDate date, QDate anchorDate, const DayChanges& changes);

// The duty the crew member really has on `date`: leave, sickness and a swap make it an off
// day, extra duty a work day.
DutyCode EffectiveDutyFor(QDate date, QDate anchorDate, const DayChanges& changes);

// The note as the note field holds it while it is typed: without characters that change the
// direction of text (embeddings, overrides, isolates, marks) and without halves of characters,
// cut to at most kMaxNoteCharacters between two whole characters as a reader sees them, so
// that an accent stays with its letter and an emoji or a flag is kept whole or not at all.
QString NoteWithinLimit(const QString& note);

// The note as it can be kept: control characters as spaces, blanks at either end dropped, and
// within the limit as NoteWithinLimit has it.
QString CleanNote(const QString& note);

// The change stored for `date`, whether or not it fits the day; none where nothing is stored.
DayChange StoredChangeOn(QDate date, const DayChanges& changes);

} // namespace dutyloop
