#include "settings/crew_list.h"

#include "schedule/rotation.h"

namespace dutyloop {

QStringList CrewEntries() {
    QStringList crews = AssignmentEntries();
    crews.removeAll(QString::fromLatin1(kAgencyWideEntry));
    return crews;
}

int CrewFollowedBy(const QStringList& crews, const QString& assignment) {
    const QDate anchor = AnchorForAssignment(assignment);
    for (qsizetype i = 0; i < crews.size(); ++i) {
        if (AnchorForAssignment(crews[i]) == anchor)
            return static_cast<int>(i);
    }
    return 0;
}

std::optional<QString> CrewNamed(const QString& name) {
    const QString wanted = name.trimmed();
    for (const QString& crew : CrewEntries()) {
        if (crew.compare(wanted, Qt::CaseInsensitive) == 0 ||
            (wanted.size() == 1 && crew.startsWith(wanted)))
            return crew;
    }
    return std::nullopt;
}

} // namespace dutyloop
