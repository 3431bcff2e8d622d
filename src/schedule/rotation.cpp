#include "schedule/rotation.h"

#include "schedule/crew.h"

namespace dutyloop {

QDate AnchorForAssignment(QStringView assignment) {
    const std::optional<Crew> crew = CrewFollowing(assignment);
    return crew ? crew->anchor : kAgencyWideAnchor;
}

DutyCode DutyCodeFor(QDate date, QDate anchorDate) {
    if (!date.isValid() || date <= anchorDate)
        return DutyCode::NoRotation;
    const qint64 difference = anchorDate.daysTo(date);
    const auto index = static_cast<std::size_t>(difference % 196);
    return static_cast<DutyCode>(RotationPattern[index]);
}

} // namespace dutyloop
