#pragma once

#include <QTime>

namespace dutyloop {

// When the user wants to be reminded of a duty: not at all, a number of minutes before it
// starts, or on the evening before at a time of the user's choosing.
struct Reminder {
    enum class Kind { None, Before, EveningBefore };
    Kind kind = Kind::None;
    int minutesBefore = 0; // for Before: 15, 60 or 120
    QTime eveningAt;       // for EveningBefore: the clock time on the day before the duty starts
    friend bool operator==(const Reminder&, const Reminder&) = default;
};

// The minutes before a duty that the user can choose from.
inline constexpr int kReminderMinutes[] = {15, 60, 120};

} // namespace dutyloop
