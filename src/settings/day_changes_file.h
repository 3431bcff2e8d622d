#pragma once

#include "schedule/day_changes.h"

#include <QByteArray>
#include <QString>
#include <map>

namespace dutyloop {

// The user's day changes live in a profile (INI) file of their own, one section for each
// assignment, "[Days 3 TWT]", and one line for each changed day, "2027-03-14=leave;Dentist at
// 10": the kind (rostered, leave, sick, swapped, extra), then after the first ';' the note.
// A line that does not read as a day change (another date form, another kind) is left alone,
// as is every other section, so a changed assignment hides the changes made under another
// without deleting them.

// The section that holds the changes made under `assignment`: "Days " and the list's entry
// for the crew the assignment follows.
QByteArray DaysSectionFor(const QString& assignment);

// The changes made under `assignment` that the file's text holds; a line that cannot be read
// is skipped. None where the assignment follows no crew (the agency-wide entry), since no change
// can be made there.
DayChanges DayChangesFromText(const QByteArray& fileText, const QString& assignment);

// Every crew's changes the file's text holds, by the section they stand in.
using DayChangesBySection = std::map<QByteArray, DayChanges>;
DayChangesBySection AllDayChangesFromText(const QByteArray& fileText);

// Those of `all` made under `assignment`; none where the file has no section for it.
const DayChanges& DayChangesUnder(const DayChangesBySection& all, const QString& assignment);

// The file's text with the change on `date` written under `assignment`: a change of no kind
// and no note takes the day's line away. Every other line stays as it was. Where the assignment
// follows no crew, the text stays as it is.
QByteArray TextWithDayChange(const QByteArray& fileText, const QString& assignment, QDate date,
                             const DayChange& change);

} // namespace dutyloop
