#include "schedule/rotation.h"

#include <array>

namespace dutyloop {

namespace {

struct AnchorRow {
    char16_t firstCharacter;
    int year;
    int month;
    int day;
};

// Seven Mondays exactly 28 days apart, so the seven crews always stand in seven
// different blocks of the pattern.
constexpr std::array<AnchorRow, 7> kAnchors{{
    {u'1', 2013, 11, 11},
    {u'2', 2014, 3, 3},
    {u'3', 2013, 12, 9},
    {u'4', 2013, 9, 16},
    {u'5', 2014, 1, 6},
    {u'6', 2013, 10, 14},
    {u'7', 2014, 2, 3},
}};

} // namespace

QDate AnchorForAssignment(QStringView assignmentText) {
    if (assignmentText.isEmpty())
        return kAgencyWideAnchor;
    const char16_t first = assignmentText.front().unicode();
    for (const AnchorRow& row : kAnchors) {
        if (row.firstCharacter == first)
            return QDate(row.year, row.month, row.day);
    }
    return kAgencyWideAnchor;
}

DutyCode DutyCodeFor(QDate date, QDate anchorDate) {
    if (!date.isValid() || date <= anchorDate)
        return DutyCode::NoRotation;
    const qint64 difference = anchorDate.daysTo(date);
    const auto index = static_cast<std::size_t>(difference % 196);
    return static_cast<DutyCode>(RotationPattern[index]);
}

} // namespace dutyloop
