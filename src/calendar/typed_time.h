#pragma once

#include <QStringList>
#include <QStringView>
#include <QTime>

namespace dutyloop {

// A clock time as the user types it, character by character: hours, then minutes after a colon
// or a point ("6:30", "18.30") or straight after them ("630", "1830"), and where the day's half
// is named, its name before or after the numbers ("6:30 PM", "PM 6:30"). Hours alone are the
// full hour ("6 AM", "18").
struct TypedTime {
    enum class State {
        Wrong,      // no time can follow from what stands there
        Unfinished, // the start of a time
        Whole,      // a whole time; `time` holds it
    };
    State state = State::Wrong;
    QTime time;
};

// `morning` and `afternoon` are the names of the day's halves the user may type, as the locale
// writes them ("AM", "PM"); they are matched whatever their case. A time with no half named is
// read on the 24-hour clock.
TypedTime ReadTypedTime(QStringView text, const QStringList& morning, const QStringList& afternoon);

} // namespace dutyloop
