#pragma once

#include <QDate>
#include <QStringView>
#include <string_view>

namespace dutyloop {

enum class DutyCode : char {
    Work = 'L',
    Off = 'K',
    NoRotation = 'Z',
};

// 28 weeks in seven blocks of four identical weeks; each week has three work days in a row,
// and from one block to the next the work days move two days earlier in the week.
inline constexpr std::string_view RotationPattern =
    "LLLKKKKLLLKKKKLLLKKKKLLLKKKKLKKKKLLLKKKKLLLKKKKLLLKKKKLLKKKLLLKKKKLLLKKKKLLLKKKKLLLKK"
    "LLLKKKKLLLKKKKLLLKKKKLLLKKKLLKKKKLLLKKKKLLLKKKKLLLKKKKLKKKKLLLKKKKLLLKKKKLLLKKKKLLLKK"
    "LLLKKKKLLLKKKKLLLKKKKLLLKK";
static_assert(RotationPattern.size() == 196);

// The agency-wide entry's anchor: every date the date picker offers lies on or before it.
inline const QDate kAgencyWideAnchor{2100, 12, 31};

// The anchor of the crew the assignment follows, else the agency-wide anchor.
QDate AnchorForAssignment(QStringView assignment);

// No rotation on the anchor itself or before it; the pattern starts the day after.
DutyCode DutyCodeFor(QDate date, QDate anchorDate);

} // namespace dutyloop
