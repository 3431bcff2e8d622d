#pragma once

#include <QDate>

#include <libical/ical.h>

namespace dutyloop {

// What keeps a repetition rule from costing more than the days it can mark. libical's iterator
// looks for the next occurrence without end where a rule's parts never meet (the 30th of
// February), and steps through every day of a daily rule to find a few; a file of holidays is
// read with neither.

// Whether any day from `first` to `last` passes the rule's day parts: BYMONTH, BYMONTHDAY,
// BYYEARDAY, BYWEEKNO and BYDAY with its ordinals, and BYSETPOS within a month or a year. A rule
// with no such day has no occurrence there, though one with some may have none. Unknown where
// `mostDays` days were looked at and none passed.
enum class RuleDays { Some, None, Unknown };
RuleDays DaysOfRule(const icalrecurrencetype& rule, QDate first, QDate last, int mostDays);

// The same occurrences by a rule libical finds faster: a daily or monthly rule that picks days
// of the year as a yearly rule, which goes a year at a time rather than a day or a month.
icalrecurrencetype CheaperRule(const icalrecurrencetype& rule);

} // namespace dutyloop
