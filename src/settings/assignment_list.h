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

} // namespace dutyloop
