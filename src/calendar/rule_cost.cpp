#include "calendar/rule_cost.h"

#include <algorithm>

namespace dutyloop {

namespace {

bool Has(const short* parts) {
    return parts[0] != ICAL_RECURRENCE_ARRAY_MAX;
}

template <typename Test> bool Any(const short* parts, Test test) {
    for (int i = 0; parts[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        if (test(parts[i]))
            return true;
    }
    return false;
}

// The ISO week of the year the rule's week start makes: week 1 holds the year's fourth day.
int WeekNumberOf(QDate date, int weekStart) {
    const int shift = (date.dayOfWeek() - weekStart + 7) % 7; // days since the week began
    const QDate weekBegins = date.addDays(-shift);
    const QDate thursdayLike = weekBegins.addDays(3);
    const QDate firstOfYear(thursdayLike.year(), 1, 1);
    return int(firstOfYear.daysTo(thursdayLike) / 7) + 1;
}

// Whether `date` is the n-th (from the end where negative) of its weekday within the month, or
// within the year where `inYear`.
bool IsNthWeekday(QDate date, int n, bool inYear) {
    const int day = inYear ? date.dayOfYear() : date.day();
    const int length = inYear ? date.daysInYear() : date.daysInMonth();
    return n > 0 ? (day - 1) / 7 + 1 == n : (length - day) / 7 + 1 == -n;
}

// Whether any day of the date's month can pass BYMONTH and BYMONTHDAY: a month of neither is
// passed over in one look.
bool MonthCanPass(const icalrecurrencetype& rule, QDate date) {
    if (Has(rule.by_month) &&
        !Any(rule.by_month, [&](short month) { return month == date.month(); }))
        return false;
    const int length = date.daysInMonth();
    return !Has(rule.by_month_day) || Any(rule.by_month_day, [&](short day) {
        return (day >= 1 && day <= length) || (day <= -1 && day >= -length);
    });
}

bool DayPartsPass(const icalrecurrencetype& rule, QDate date) {
    if (Has(rule.by_month) &&
        !Any(rule.by_month, [&](short month) { return month == date.month(); }))
        return false;
    if (Has(rule.by_month_day) && !Any(rule.by_month_day, [&](short day) {
            return day == date.day() || day == date.day() - date.daysInMonth() - 1;
        }))
        return false;
    if (Has(rule.by_year_day) && !Any(rule.by_year_day, [&](short day) {
            return day == date.dayOfYear() || day == date.dayOfYear() - date.daysInYear() - 1;
        }))
        return false;
    // libical counts weekdays from Sunday (1) to Saturday (7); Qt from Monday (1) to Sunday (7).
    const int weekStart = rule.week_start == ICAL_SUNDAY_WEEKDAY ? 7 : int(rule.week_start) - 1;
    // A week counted from the year's end is let pass: the test only needs to be true wherever
    // the rule can match.
    if (Has(rule.by_week_no) && !Any(rule.by_week_no, [&](short week) {
            return week < 0 || week == WeekNumberOf(date, weekStart);
        }))
        return false;
    const bool inYear = rule.freq == ICAL_YEARLY_RECURRENCE && !Has(rule.by_month);
    return !Has(rule.by_day) || Any(rule.by_day, [&](short encoded) {
        const int weekday = icalrecurrencetype_day_day_of_week(encoded);
        const int position = icalrecurrencetype_day_position(encoded);
        return (weekday == 1 ? 7 : weekday - 1) == date.dayOfWeek() &&
               (position == 0 || IsNthWeekday(date, position, inYear));
    });
}

// The smallest BYSETPOS, without its sign: a month or a year needs at least so many days that
// pass for any to be chosen. Other frequencies choose among times of a day, which always exist.
int DaysNeededInPeriod(const icalrecurrencetype& rule) {
    if (!Has(rule.by_set_pos) ||
        (rule.freq != ICAL_MONTHLY_RECURRENCE && rule.freq != ICAL_YEARLY_RECURRENCE))
        return 1;
    int least = 1000;
    for (int i = 0; rule.by_set_pos[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        least = std::min(least, std::abs(int(rule.by_set_pos[i])));
    return least;
}

} // namespace

RuleDays DaysOfRule(const icalrecurrencetype& rule, QDate first, QDate last, int mostDays) {
    const int needed = DaysNeededInPeriod(rule);
    const bool byYear = rule.freq == ICAL_YEARLY_RECURRENCE;
    int passed = 0;
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        if (--mostDays < 0)
            return RuleDays::Unknown;
        if (!MonthCanPass(rule, date)) {
            date = QDate(date.year(), date.month(), date.daysInMonth());
            continue;
        }
        const bool periodBegins = byYear ? date.dayOfYear() == 1 : date.day() == 1;
        if (periodBegins)
            passed = 0;
        if (DayPartsPass(rule, date) && ++passed >= needed)
            return RuleDays::Some;
    }
    return RuleDays::None;
}

icalrecurrencetype CheaperRule(const icalrecurrencetype& rule) {
    if (rule.interval != 1 || Has(rule.by_set_pos) || rule.rscale)
        return rule;
    const bool picksDays = Has(rule.by_month_day) || Has(rule.by_year_day);
    // A daily rule with days of the month or of the year keeps every day that has them, as a
    // yearly rule with the same parts does; a monthly rule in named months does the same.
    const bool daily = rule.freq == ICAL_DAILY_RECURRENCE && picksDays;
    const bool monthly = rule.freq == ICAL_MONTHLY_RECURRENCE && Has(rule.by_month) &&
                         (picksDays || Has(rule.by_day));
    if (!daily && !monthly)
        return rule;
    icalrecurrencetype yearly = rule;
    yearly.freq = ICAL_YEARLY_RECURRENCE;
    return yearly;
}

} // namespace dutyloop
