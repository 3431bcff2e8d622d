#pragma once

#include <QStringList>

namespace dutyloop {

inline constexpr const char* kAgencyWideEntry = "Tornvale";

// The assignment list: the agency-wide entry, then each crew by its digit and the initials of
// its three work days in the four weeks from Monday 2014-03-03.
inline QStringList AssignmentEntries() {
    return {QStringLiteral("Tornvale"), QStringLiteral("1 SMT"), QStringLiteral("2 MTW"),
            QStringLiteral("3 TWT"),    QStringLiteral("4 WTF"), QStringLiteral("5 TFS"),
            QStringLiteral("6 FSS"),    QStringLiteral("7 SSM")};
}

// The list's entry for a stored assignment, its letters in any case ("5 tfs" is "5 TFS"); -1
// where none is.
inline int AssignmentEntryOf(const QString& assignment) {
    const QStringList entries = AssignmentEntries();
    for (int entry = 0; entry < entries.size(); ++entry)
        if (entries[entry].compare(assignment, Qt::CaseInsensitive) == 0)
            return entry;
    return -1;
}

} // namespace dutyloop
