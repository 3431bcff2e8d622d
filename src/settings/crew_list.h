#pragma once

#include "settings/assignment_list.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace dutyloop {

// The assignment list without the agency-wide entry, which has no duties: the seven crews.
QStringList CrewEntries();

// The crew whose rotation the calendar follows for `assignment`: the window goes by the
// assignment's first character, so "5TFS" is crew 5 as much as "5 TFS" is; 0, the first crew,
// where the assignment names none.
int CrewFollowedBy(const QStringList& crews, const QString& assignment);

// The crew a person names: its entry in any case ("5 tfs"), or its digit alone ("5").
std::optional<QString> CrewNamed(const QString& name);

} // namespace dutyloop
