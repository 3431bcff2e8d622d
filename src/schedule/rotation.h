#pragma once

#include "schedule/date.h"

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
inline constexpr Date kAgencyWideAnchor = DateFromYmd(2100, 12, 31);

// The anchor date of an assignment, chosen by the first character of its text.
Date AnchorForAssignment(QStringView assignmentText);

void SetAnchorForAssignment(Date& anchorDate, QStringView assignmentText);

DutyCode DutyCodeFor(Date date, Date anchorDate);

} // namespace dutyloop
