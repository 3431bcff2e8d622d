#pragma once

#include "calendar/duty_counts.h"
#include "calendar/duty_times.h"
#include "schedule/crew.h"
#include "schedule/duty_hours.h"
#include "settings/settings_file.h"

#include <QDateTime>
#include <QTimeZone>
#include <optional>

namespace dutyloop {

// How far ahead a duty is looked for: two rotations of 196 days. A crew member on leave for
// longer has no next duty to be told of.
inline constexpr int kNextDutyDaysAhead = 392;

// The duty of one crew member, with what decides when it starts and ends.
struct CrewDuty {
    QString crew;                   // the crew's entry in the assignment list, "5 TFS"
    DutyOf duty;                    // the duty the crew member really has on a day
    std::optional<DutyHours> hours; // none: all day
    QTimeZone zone;
};

// The crew member's duty as the settings and the user's day changes give it, in `zone`.
CrewDuty CrewDutyFor(const Settings& settings, const Crew& crew, const DayChanges& changes,
                     const QTimeZone& zone);

// One day's duty as it is lived: from its start to its end, midnight to midnight all day.
struct UpcomingDuty {
    QDate day;
    DutyPeriod period;
    bool allDay = true;
    friend bool operator==(const UpcomingDuty& a, const UpcomingDuty& b) {
        return a.day == b.day && a.period.start == b.period.start && a.period.end == b.period.end &&
               a.allDay == b.allDay;
    }
};

// The duty that starts on `day`, whether or not the crew member has it.
UpcomingDuty DutyStartingOn(QDate day, const CrewDuty& crew);

// The first duty the crew member really has that has not ended at `now`: one running at `now`
// counts. Leave, sickness and swapped days are skipped, extra duty counts. None within
// kNextDutyDaysAhead days.
std::optional<UpcomingDuty> NextDuty(const QDateTime& now, const CrewDuty& crew);

// The duty as `dutyloop --next-duty` prints it for scripts, whatever the language:
// "2027-03-02 07:00 2027-03-03 07:00 5 TFS", all day "2027-03-02 all-day 5 TFS".
QString NextDutyLine(const UpcomingDuty& duty, const QString& crew);

} // namespace dutyloop
