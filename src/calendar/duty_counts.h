#pragma once

#include "schedule/day_changes.h"
#include "schedule/rotation.h"
#include <QDate>

#include <functional>

namespace dutyloop {

// The duty a crew has on a day. Every count and every printed day asks through one of these, so
// a day's duty is decided in one place.
using DutyOf = std::function<DutyCode(QDate)>;

// The rotation's duty under the assignment whose anchor is `anchorDate`.
DutyOf RotationDutyOf(QDate anchorDate);

// The duty the crew member really has, with the changes made under the assignment; `changes`
// must outlive the function.
DutyOf EffectiveDutyOf(QDate anchorDate, const DayChanges& changes);

struct DutyCount {
    int work = 0;
    int off = 0;
    friend constexpr bool operator==(const DutyCount&, const DutyCount&) = default;
};

// The work and off days from `first` to `last`, both included; days without rotation count as
// neither.
DutyCount CountDuty(QDate first, QDate last, const DutyOf& duty);

// The month that holds `day`, all of it.
DutyCount MonthDutyCount(QDate day, const DutyOf& duty);

// From January 1 of the year that holds `day` up to `day`, included.
DutyCount YearDutyCountUpTo(QDate day, const DutyOf& duty);

} // namespace dutyloop
