#pragma once

#include <QDate>
#include <QStringView>

namespace dutyloop {

// A date as the user types it, character by character: in the locale's short numeric format
// (as "24.12.2026" for "dd.MM.yyyy") or as ISO (2026-12-24).
struct TypedDate {
    enum class State {
        Wrong,      // no date can follow from what stands there
        Unfinished, // the start of a date
        Whole,      // a whole date; `date` holds it, invalid where no calendar has that day
    };
    State state = State::Wrong;
    QDate date;
};

// Whether `format` is made of day, month and year numbers and separators only, which
// ReadTypedDate reads; month names are left to the date field's own reading.
bool IsNumericDateFormat(QStringView format);

TypedDate ReadTypedDate(QStringView text, QStringView format);

} // namespace dutyloop
