#include "calendar/year_page.h"

#include "calendar/duty_hours_texts.h"

#include "calendar/holiday_texts.h"

#include "calendar/cell_colors.h"
#include "calendar/count_texts.h"
#include "calendar/header_texts.h"
#include "calendar/isolated_runs.h"
#include "schedule/rotation.h"

#include <QCoreApplication>

#include <algorithm>

namespace dutyloop {

namespace {

bool Changed(const YearPageState& state, QDate date) {
    return state.changes &&
           ChangeOn(date, state.crew.anchor, *state.changes).kind != DayChangeKind::AsRostered;
}

// The rostered work days of the year the crew member took as leave.
int LeaveTaken(const YearPageState& state) {
    if (!state.changes)
        return 0;
    const QDate anchor = state.crew.anchor;
    const QDate first(state.year, 1, 1);
    const QDate last(state.year, 12, 31);
    int taken = 0;
    for (auto it = state.changes->lower_bound(first);
         it != state.changes->end() && it->first <= last; ++it) {
        taken += ChangeOn(it->first, anchor, *state.changes).kind == DayChangeKind::Leave &&
                 DutyCodeFor(it->first, anchor) == DutyCode::Work;
    }
    return taken;
}

YearMonth MonthOfYear(const YearPageState& state, int month, const HolidayList& holidays) {
    YearMonth shown;
    shown.title = CapitalizedFirst(state.locale.longMonthNames[static_cast<std::size_t>(month - 1)],
                                   state.locale);
    const QDate first(state.year, month, 1);
    const CellDates cells = CellDatesFor(first, state.weekStart);
    const int length = first.daysInMonth();
    const auto lead = static_cast<int>(cells[0].daysTo(first));
    for (int day = 1; day <= length; ++day) {
        const int index = lead + day - 1;
        const QDate date = first.addDays(day - 1);
        const auto [firstHoliday, pastHolidays] = HolidaysOn(date, holidays);
        const bool holiday = firstHoliday != pastHolidays;
        shown.days.push_back({day, state.locale.locale.toString(day), index / 7, index % 7,
                              state.duty(date), date == state.today, Changed(state, date),
                              holiday});
    }
    shown.count = MonthDutyCount(first, state.duty);
    shown.countText = WorkDaysText(shown.count.work, state.locale);
    return shown;
}

// "Public holidays on duty: 29 Mar Easter Monday, 1 May Labour Day", or that there are none.
QString HolidaysOnDutyListText(const YearPageState& state) {
    QStringList entries;
    for (const Holiday& holiday : HolidaysOnDuty(*state.holidays, state.year, state.duty))
        entries.append(QCoreApplication::translate("YearPage", "%1 %2")
                           .arg(state.locale.locale.toString(holiday.date, QStringLiteral("d MMM")),
                                HolidayNameText(holiday)));
    if (entries.isEmpty())
        return QCoreApplication::translate("YearPage", "No public holiday on duty");
    return QCoreApplication::translate("YearPage", "Public holidays on duty: %1")
        .arg(entries.join(QCoreApplication::translate("YearPage", ", ")));
}

} // namespace

YearPage YearPageFor(const YearPageState& state) {
    YearPage page;
    page.year = state.year;
    page.title = QCoreApplication::translate("YearPage", "Dutyloop – %1 – %2")
                     .arg(LeftToRightRun(state.crew.entry, state.locale),
                          YearText(state.year, state.locale));
    page.weekdayLabels = WeekdayLabelTexts(state.weekStart, state.locale);
    page.narrowWeekdayLabels = NarrowWeekdayLabelTexts(state.weekStart, state.locale);
    static const HolidayList kNone;
    const HolidayList& holidays = state.holidays ? *state.holidays : kNone;
    for (int month = 1; month <= 12; ++month)
        page.months[static_cast<std::size_t>(month - 1)] = MonthOfYear(state, month, holidays);
    page.count = CountDuty(QDate(state.year, 1, 1), QDate(state.year, 12, 31), state.duty);
    //: The year's days: "157 work days" and "208 off".
    page.countText = QCoreApplication::translate("YearPage", "The year: %1, %2")
                         .arg(WorkDaysText(page.count.work, state.locale),
                              OffDaysText(page.count.off, state.locale));
    if (const int leave = LeaveTaken(state); leave > 0)
        page.countText += QStringLiteral("  ·  ") +
                          QCoreApplication::translate("YearPage", "Work days on leave: %1")
                              .arg(NumberText(leave, state.locale));
    page.workLegend = QCoreApplication::translate("YearPage", "Work day");
    if (state.dutyHours) {
        //: The legend of a work day with the crew's hours: "Work day, 07:00 – 07:00 next day".
        page.workLegend = QCoreApplication::translate("YearPage", "%1, %2")
                              .arg(page.workLegend, DutyHoursText(*state.dutyHours, state.locale));
        const HourCounts hours = HourCountsFor(QDate(state.year, 12, 1), state.crew.anchor,
                                               state.changes, *state.dutyHours, state.timeZone);
        page.countText +=
            QStringLiteral("  ·  ") + QCoreApplication::translate("YearPage", "Hours on duty: %1")
                                          .arg(HoursNumberText(hours.yearMinutes, state.locale));
        if (hours.yearTakenMinutes > 0)
            page.countText +=
                QStringLiteral("  ·  ") +
                QCoreApplication::translate("YearPage", "Hours taken as leave or sick: %1")
                    .arg(HoursNumberText(hours.yearTakenMinutes, state.locale));
    }
    page.offLegend = QCoreApplication::translate("YearPage", "Off day");
    if (state.today.year() == state.year)
        page.todayLegend = QCoreApplication::translate("YearPage", "Today");
    const auto changed = [](const YearMonth& month) {
        return std::any_of(month.days.begin(), month.days.end(),
                           [](const YearDay& day) { return day.changed; });
    };
    if (std::any_of(page.months.begin(), page.months.end(), changed))
        page.changedLegend = QCoreApplication::translate("YearPage", "Changed day");
    if (state.holidays) {
        page.holidayLegend = QCoreApplication::translate("YearPage", "Public holiday");
        page.holidaysOnDutyText = HolidaysOnDutyListText(state);
    }
    page.workFill = state.colors.work;
    page.workText = ContrastTextColor(state.colors.work);
    // Paper is white: an off colour of white would leave the off days' numbers unseen.
    page.offText = state.colors.off == colors::White ? colors::Black : state.colors.off;
    page.rightToLeft = state.locale.locale.textDirection() == Qt::RightToLeft;
    return page;
}

} // namespace dutyloop
