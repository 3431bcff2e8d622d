#include "schedule/crew.h"

#include <array>

namespace dutyloop {

std::span<const Crew> Crews() {
    static const std::array<Crew, 7> crews{{
        {QStringLiteral("1 SMT"), QDate(2013, 11, 11)},
        {QStringLiteral("2 MTW"), QDate(2014, 3, 3)},
        {QStringLiteral("3 TWT"), QDate(2013, 12, 9)},
        {QStringLiteral("4 WTF"), QDate(2013, 9, 16)},
        {QStringLiteral("5 TFS"), QDate(2014, 1, 6)},
        {QStringLiteral("6 FSS"), QDate(2013, 10, 14)},
        {QStringLiteral("7 SSM"), QDate(2014, 2, 3)},
    }};
    return crews;
}

QStringList CrewEntries() {
    QStringList entries;
    for (const Crew& crew : Crews())
        entries << crew.entry;
    return entries;
}

QStringList AssignmentEntries() {
    return QStringList{QString::fromLatin1(kAgencyWideEntry)} + CrewEntries();
}

namespace {

const Crew* FollowedCrew(QStringView assignment) {
    if (assignment.isEmpty())
        return nullptr;
    for (const Crew& crew : Crews()) {
        if (crew.entry.front() == assignment.front())
            return &crew;
    }
    return nullptr;
}

} // namespace

int AssignmentEntryOf(QStringView assignment) {
    const QStringList entries = AssignmentEntries();
    for (qsizetype entry = 0; entry < entries.size(); ++entry) {
        if (entries[entry].compare(assignment, Qt::CaseInsensitive) == 0)
            return static_cast<int>(entry);
    }
    return -1;
}

std::optional<Crew> CrewFollowing(QStringView assignment) {
    const Crew* crew = FollowedCrew(assignment);
    return crew ? std::optional<Crew>(*crew) : std::nullopt;
}

const Crew& CrewOfferedFor(QStringView assignment) {
    const Crew* crew = FollowedCrew(assignment);
    return crew ? *crew : Crews().front();
}

std::optional<Crew> CrewNamed(const QString& name) {
    const QString wanted = name.trimmed();
    for (const Crew& crew : Crews()) {
        if (crew.entry.compare(wanted, Qt::CaseInsensitive) == 0 ||
            (wanted.size() == 1 && crew.entry.startsWith(wanted)))
            return crew;
    }
    return std::nullopt;
}

} // namespace dutyloop
