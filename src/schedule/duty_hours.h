#pragma once

#include <QTime>

namespace dutyloop {

// When a crew's duty starts and ends by the clock on the wall. An end at or before the start
// is on the next day: 07:00 to 07:00 is a 24-hour duty, 19:00 to 07:00 a night.
struct DutyHours {
    QTime start;
    QTime end;
    friend bool operator==(const DutyHours&, const DutyHours&) = default;
};

// Whether the duty ends on the day after it starts.
inline bool EndsNextDay(const DutyHours& hours) {
    return hours.end <= hours.start;
}

} // namespace dutyloop
