#include "calendar/month_page.h"

#include "calendar/cell_colors.h"
#include "calendar/cell_descriptions.h"
#include "calendar/count_texts.h"
#include "calendar/day_change_texts.h"
#include "calendar/duty_hours_texts.h"
#include "calendar/header_texts.h"
#include "calendar/holiday_texts.h"
#include "calendar/spoken_texts.h"
#include "schedule/rotation.h"

#include <QCoreApplication>

namespace dutyloop {

namespace {

// Only the cells that can hold a day of the shown month say who is on duty.
bool HasToolTip(int index) {
    return index <= kLastClickableCell;
}

// The day cell of `before` that says what day cell `index` of the new page would, if any.
const CellLook* SameDescription(const MonthPage& before, int index, QDate date, DutyCode duty,
                                const QString& dutyHours) {
    // The cells hold consecutive days.
    const qint64 at = before.cells[0].date.daysTo(date);
    if (at < 0 || at >= kFirstLegendCell)
        return nullptr;
    const CellLook& cell = before.cells[static_cast<std::size_t>(at)];
    // A changed day says more than its duty.
    const bool described = !cell.accessibleName.isEmpty() &&
                           cell.change == DayChangeKind::AsRostered && !cell.hasNote &&
                           !cell.isToday && cell.holiday.isEmpty();
    return described && cell.date == date && cell.duty == duty && cell.dutyHours == dutyHours &&
                   HasToolTip(static_cast<int>(at)) == HasToolTip(index)
               ? &cell
               : nullptr;
}

DayChange DayChangeOf(const MonthPageState& state, QDate date) {
    return state.dayChanges ? ChangeOn(date, state.view.anchorDate, *state.dayChanges)
                            : DayChange();
}

CellLook DayCell(int index, const MonthPageState& state, const MonthPage& before,
                 const HolidayList& holidays, const QString& dutyHours) {
    const CalendarView& view = state.view;
    const QDate date = view.cellDates[static_cast<std::size_t>(index)];
    const DayChange change = DayChangeOf(state, date);
    CellLook cell;
    cell.date = date;
    cell.duty = state.dayChanges ? EffectiveDutyFor(date, view.anchorDate, *state.dayChanges)
                                 : DutyCodeFor(date, view.anchorDate);
    // In the locale's digits, as the status line and the date field write the day.
    cell.text = state.locale.locale.toString(date.day());
    cell.fill = CellFillColor(index, view, state.colors, cell.duty);
    cell.textColor = CellTextColor(date, view, state.colors, cell.duty);
    cell.border = BorderColorFor(cell.fill);
    cell.takesClicks = index <= kLastClickableCell && date.month() == view.shownDate.month();
    cell.change = change.kind;
    cell.hasNote = !change.note.isEmpty();
    cell.isToday = date == state.today;
    cell.holiday = HolidayNamesOn(date, holidays);
    if (cell.duty == DutyCode::Work)
        cell.dutyHours = dutyHours;
    if (change == DayChange() && cell.holiday.isEmpty() && !cell.isToday) {
        if (const CellLook* same =
                SameDescription(before, index, date, cell.duty, cell.dutyHours)) {
            cell.accessibleName = same->accessibleName;
            cell.toolTip = same->toolTip;
            cell.accessibleDescription = same->accessibleDescription;
            return cell;
        }
    }
    const QString longDate = LongDateText(date, state.locale);
    QString name = CellAccessibleName(longDate, cell.duty);
    if (!cell.dutyHours.isEmpty())
        name = QCoreApplication::translate("Calendar", "%1, %2").arg(name, cell.dutyHours);
    cell.accessibleName = SpokenDayName(
        AccessibleNameWithChange(AccessibleNameWithHoliday(name, cell.holiday), change),
        cell.isToday);
    if (HasToolTip(index)) {
        QString tip = CellToolTip(longDate, date, state.locale);
        // The chosen crew's hours under who is on duty, where it works that day.
        if (!cell.dutyHours.isEmpty())
            tip +=
                QLatin1Char('\n') +
                DutyWithHoursText(QCoreApplication::translate("Calendar", "Work"), cell.dutyHours);
        cell.toolTip = ToolTipWithChange(ToolTipWithHoliday(tip, cell.holiday), change);
        cell.accessibleDescription = CrewsOnDutyText(date, state.locale);
    }
    return cell;
}

// The holidays on duty in the shown month and in its year up to the month's end.
QString HolidaysOnDutyCountText(const MonthPageState& state, const DutyOf& duty) {
    const QDate shown = state.view.shownDate;
    int inMonth = 0;
    int inYear = 0;
    for (const Holiday& holiday : HolidaysOnDuty(*state.holidays, shown.year(), duty)) {
        if (holiday.date.month() > shown.month())
            break;
        ++inYear;
        inMonth += holiday.date.month() == shown.month() ? 1 : 0;
    }
    return HolidayCountText(inMonth, inYear, shown, state.locale);
}

CellLook LegendCell(int index, const MonthPageState& state, QRgb textColor, const QString& text,
                    const QString& accessibleName) {
    CellLook cell;
    cell.date = state.view.cellDates[static_cast<std::size_t>(index)];
    cell.text = text;
    cell.fill = CellFillColor(index, state.view, state.colors);
    cell.textColor = textColor;
    cell.border = BorderColorFor(cell.fill);
    cell.font = CellFont::Legend;
    cell.accessibleName = accessibleName;
    return cell;
}

} // namespace

MonthPage MonthPageFor(const MonthPageState& state) {
    return MonthPageFor(state, MonthPage());
}

MonthPage MonthPageFor(const MonthPageState& state, const MonthPage& before) {
    const ColorSettings& colors = state.colors;
    const QDate shown = state.view.shownDate;
    MonthPage page;
    page.title = TitleText(state.selectedAssignment, state.selectedAssignmentText, state.locale);
    page.monthLabel = MonthLabelText(shown, state.today.year(), state.locale);
    const QDate anchor = state.view.anchorDate;
    const DutyOf duty =
        state.dayChanges ? EffectiveDutyOf(anchor, *state.dayChanges) : RotationDutyOf(anchor);
    page.monthCounts = MonthCountText(shown, duty, state.locale);
    if (!page.monthCounts.isEmpty() && state.dutyHours)
        page.monthCounts +=
            QLatin1Char('\n') + HourCountText(HourCountsFor(shown, anchor, state.dayChanges,
                                                            *state.dutyHours, state.timeZone),
                                              shown, state.locale);
    if (!page.monthCounts.isEmpty() && state.holidays)
        page.monthCounts += QLatin1Char('\n') + HolidaysOnDutyCountText(state, duty);
    page.weekdayLabels = WeekdayLabelTexts(state.weekStart, state.locale);
    page.narrowWeekdayLabels = NarrowWeekdayLabelTexts(state.weekStart, state.locale);
    page.spokenMonth = SpokenMonthText(shown, state.locale);
    page.spokenWeekdayNames = SpokenWeekdayNames(state.weekStart, state.locale);
    page.selectedDate = shown;
    page.spokenSelectedDate = LongDateText(shown, state.locale);
    static const HolidayList kNone;
    const HolidayList& holidays = state.holidays ? *state.holidays : kNone;
    const QString dutyHours =
        state.dutyHours ? DutyHoursText(*state.dutyHours, state.locale) : QString();
    for (int i = 0; i < kFirstLegendCell; ++i)
        page.cells[static_cast<std::size_t>(i)] = DayCell(i, state, before, holidays, dutyHours);
    // The legend's two cells are as narrow as a day's: a word of two or three letters each.
    page.cells[40] =
        LegendCell(40, state, colors.work, QCoreApplication::translate("Calendar", "Wk"),
                   QCoreApplication::translate("Calendar", "Legend: work days"));
    page.cells[41] =
        LegendCell(41, state, colors.off, QCoreApplication::translate("Calendar", "OD"),
                   QCoreApplication::translate("Calendar", "Legend: off-duty days"));
    page.fonts = ComputeFontSizes(state.layout);
    page.look = TabLookFor(colors, page.fonts);
    page.legendFontSize = LegendFontSize(page.fonts.day);

    page.statusLine = StatusLineWithChange(shown, DutyCodeFor(shown, state.view.anchorDate),
                                           DayChangeOf(state, shown), state.locale);
    // The duty's hours after the word that says it is worked: "Work 07:00 – 07:00 next day".
    const qsizetype dutyLine = page.statusLine.indexOf(QLatin1Char('\n')) + 1;
    if (dutyLine > 0 && duty(shown) == DutyCode::Work && !dutyHours.isEmpty())
        page.statusLine = page.statusLine.left(dutyLine) +
                          DutyWithHoursText(page.statusLine.mid(dutyLine), dutyHours);
    // The selected day's holiday on a line of its own, below its duty.
    const QString holiday = HolidayNamesOn(shown, holidays);
    if (!page.statusLine.isEmpty() && !holiday.isEmpty())
        page.statusLine += QLatin1Char('\n') + holiday;
    const QString spoken = QString(page.statusLine).replace(QLatin1Char('\n'), QLatin1Char(' '));
    page.statusAccessibleName =
        page.statusLine.isEmpty()
            ? QCoreApplication::translate("Calendar", "Selected day")
            : QCoreApplication::translate("Calendar", "Selected day: %1").arg(spoken);
    page.statusFontSize = StatusFontSize(state.layout.footerHeight);
    // The Today button has no tint of its own, and no tint is dark.
    page.todayButton = shown == state.today
                           ? TodayButtonLook{false, colors::DimGray}
                           : TodayButtonLook{true, ContrastTextColor(colors::Null)};
    return page;
}

TabLook TabLookFor(const ColorSettings& colors, const FontSizes& fonts) {
    return {colors.background, BorderColorFor(colors.background),
            ContrastTextColor(colors.background), LinkColorFor(colors.background), fonts.title};
}

} // namespace dutyloop
