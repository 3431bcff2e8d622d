#include "schedule/rotation.h"

#include <array>

namespace dutyloop {

namespace {

struct AnchorRow {
    char16_t firstCharacter;
    Date anchor;
};

// Seven Mondays exactly 28 days apart, so the seven crews always stand in seven
// different blocks of the pattern.
constexpr std::array<AnchorRow, 7> kAnchors{{
    {u'1', DateFromYmd(2013, 11, 11)},
    {u'2', DateFromYmd(2014, 3, 3)},
    {u'3', DateFromYmd(2013, 12, 9)},
    {u'4', DateFromYmd(2013, 9, 16)},
    {u'5', DateFromYmd(2014, 1, 6)},
    {u'6', DateFromYmd(2013, 10, 14)},
    {u'7', DateFromYmd(2014, 2, 3)},
}};

} // namespace

Date AnchorForAssignment(QStringView assignmentText) {
    if (assignmentText.isEmpty())
        return kAgencyWideAnchor;
    const char16_t first = assignmentText.front().unicode();
    for (const AnchorRow& row : kAnchors) {
        if (row.firstCharacter == first)
            return row.anchor;
    }
    return kAgencyWideAnchor;
}

void SetAnchorForAssignment(Date& anchorDate, QStringView assignmentText) {
    anchorDate = AnchorForAssignment(assignmentText);
}

DutyCode DutyCodeFor(Date date, Date anchorDate) {
    if (date <= anchorDate)
        return DutyCode::NoRotation;
    const std::int64_t difference = static_cast<std::int64_t>(date) - anchorDate;
    const auto index = static_cast<std::size_t>(difference % 196);
    return static_cast<DutyCode>(RotationPattern[index]);
}

} // namespace dutyloop
