#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <span>

namespace dutyloop {

// A crew as the assignment list names it ("5 TFS": its digit and the initials of its three
// work days in the four weeks from Monday 2014-03-03), and its anchor, the day before its
// rotation starts.
struct Crew {
    QString entry;
    QDate anchor;
    friend bool operator==(const Crew&, const Crew&) = default;
};

// The assignment list's first entry: the whole agency, which follows no crew's rotation.
inline constexpr const char* kAgencyWideEntry = "Tornvale";

// The seven crews in the order of the assignment list. Their anchors are seven Mondays exactly
// 28 days apart, so the crews always stand in seven different blocks of the pattern.
std::span<const Crew> Crews();

// The seven crews' entries, in list order.
QStringList CrewEntries();

// The assignment list: the agency-wide entry, then the seven crews.
QStringList AssignmentEntries();

// The entry of the assignment list that a stored assignment spells, in any case; -1 for none.
int AssignmentEntryOf(QStringView assignment);

// The crew whose rotation the calendar follows for a stored assignment: the window goes by the
// assignment's first character, so "5tfs" is crew 5 as much as "5 TFS" is. None for the
// agency-wide entry and for any text whose first character names no crew.
std::optional<Crew> CrewFollowing(QStringView assignment);

// Where only crews are offered: the crew the assignment follows, else the first.
const Crew& CrewOfferedFor(QStringView assignment);

// The crew a person names: its entry in any case ("5 tfs"), or its digit alone ("5").
std::optional<Crew> CrewNamed(const QString& name);

} // namespace dutyloop
