#include "ui/calendar/calendar_navigation.h"

#include "calendar/date_moves.h"
#include "platform/days_store.h"
#include "platform/settings_model.h"
#include "schedule/crew.h"
#include "schedule/holidays.h"
#include "schedule/rotation.h"
#include "ui/calendar/calendar_page.h"
#include "ui/calendar/day_editing.h"
#include "ui/calendar/month_view.h"

#include <algorithm>
#include <utility>

namespace dutyloop {

namespace {

WeekStart WeekStartOf(const Settings& settings) {
    return settings.weekStartsOnMonday ? WeekStart::Monday : WeekStart::Sunday;
}

} // namespace

CalendarNavigation::CalendarNavigation(CalendarPage* page, Sources sources, QObject* parent)
    : QObject(parent), m_page(page), m_sources(std::move(sources)) {
    connect(page, &CalendarPage::previousMonthRequested, this,
            &CalendarNavigation::showPreviousMonth);
    connect(page, &CalendarPage::nextMonthRequested, this, &CalendarNavigation::showNextMonth);
    connect(page, &CalendarPage::todayRequested, this, &CalendarNavigation::showToday);
    connect(page, &CalendarPage::datePicked, this, &CalendarNavigation::showPickedDate);
    connect(page, &CalendarPage::dayClicked, this, &CalendarNavigation::selectDay);
    connect(page, &CalendarPage::dayActivated, this, &CalendarNavigation::activateDay);
    connect(m_sources.days, &DaysStore::changed, this, &CalendarNavigation::redraw);
    watchKeys();
}

const MonthPage& CalendarNavigation::page() const {
    return m_page->monthView()->page();
}

void CalendarNavigation::start() {
    const QDate now = m_sources.today();
    m_today = now;
    m_view.anchorDate = AnchorForAssignment(m_sources.settings->edited().assignment);
    // End before anything has been marked returns to the day the program started on.
    m_view.markedDate = now;
    showMonthOf(now);
}

void CalendarNavigation::setLayout(const CalendarLayout& layout) {
    m_layout = layout;
    m_page->setSizes(layout);
    redraw();
}

void CalendarNavigation::setHolidays(const HolidayList* holidays) {
    m_holidays = holidays;
}

void CalendarNavigation::applySettings() {
    // A new assignment or week start reaches the calendar here.
    m_view.anchorDate = AnchorForAssignment(m_sources.settings->edited().assignment);
    showMonthOf(m_view.shownDate);
}

void CalendarNavigation::showMonthOf(QDate date) {
    BuildMonthGrid(m_view, date, WeekStartOf(m_sources.settings->edited()));
    redraw();
}

void CalendarNavigation::redraw() {
    // The first drawing waits for the window to be shown and sized: one before would set fonts
    // of sizes the window never has, and Qt would load them all to measure the hidden labels.
    if (!m_page->window()->isVisible())
        return;
    const Settings& shown = m_sources.settings->edited();
    // The title names the assignment as the list spells it, from the moment it is chosen.
    const int entry = AssignmentEntryOf(shown.assignment);
    const QString entryText = entry >= 0 ? AssignmentEntries().at(entry) : QString();
    // The locale is taken once at start-up, so the page shown was made under this one.
    const MonthPage page =
        MonthPageFor({m_view, shown.colors, WeekStartOf(shown), m_sources.locale, m_sources.today(),
                      entry, entryText, m_layout, &m_sources.days->changesOf(shown.assignment),
                      m_holidays, DutyHoursOf(shown), m_sources.timeZone()},
                     this->page());
    m_page->showMonth(page);
    emit redrawn(page);
}

void CalendarNavigation::showPreviousMonth() {
    showMonthOf(WithinCalendar(m_view.shownDate.addMonths(-1), m_view.shownDate));
}

void CalendarNavigation::showNextMonth() {
    showMonthOf(WithinCalendar(m_view.shownDate.addMonths(1), m_view.shownDate));
}

void CalendarNavigation::showToday() {
    // The day is read where the focus goes, so the focus goes to the days first; the day is
    // then not said besides as a move made on the button.
    m_page->focusMonthView(Qt::OtherFocusReason);
    showMonthOf(m_sources.today());
}

void CalendarNavigation::showDay(QDate day) {
    m_view.markedDate = std::clamp(day, kFirstCalendarDate, kLastCalendarDate);
    showMonthOf(m_view.markedDate);
}

void CalendarNavigation::followToday() {
    const QDate now = m_sources.today();
    if (now == m_today)
        return;
    // The selection stays where the user left it; only what depends on today follows.
    m_today = now;
    redraw();
}

void CalendarNavigation::showPickedDate(QDate date) {
    m_view.markedDate = ClampToPicker(date);
    showMonthOf(m_view.markedDate);
}

void CalendarNavigation::selectDay(QDate date) {
    // A day of a neighbouring month is only shown, not chosen.
    if (date.year() != m_view.shownDate.year() || date.month() != m_view.shownDate.month())
        return;
    m_page->focusMonthView();
    m_view.shownDate = date;
    redraw();
}

void CalendarNavigation::activateDay(QDate date) {
    selectDay(date);
    // A day of a neighbouring month is not chosen, and so not changed.
    if (date == m_view.shownDate)
        editDay(date);
}

void CalendarNavigation::editDay(QDate date) {
    QWidget* window = m_page->window();
    EditDay(window, {date, m_view.anchorDate, &m_sources.settings->edited(), m_sources.locale},
            *m_sources.days,
            [this, window](const QString& message) { m_sources.showError(window, message); });
}

bool CalendarNavigation::handleKey(int key, bool onTheDays) {
    // Enter on the selected day opens it, where the days have the focus.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && onTheDays) {
        const int cell = m_page->monthView()->selectedCell();
        if (cell >= 0 && page().cells[static_cast<std::size_t>(cell)].takesClicks)
            editDay(m_view.shownDate);
        return true;
    }
    // Where the weeks run from the right, the day to the left is the next one.
    if (m_page->layoutDirection() == Qt::RightToLeft &&
        (key == Qt::Key_Left || key == Qt::Key_Right))
        key = key == Qt::Key_Left ? Qt::Key_Right : Qt::Key_Left;
    const KeyMove move = KeyMoveFor(key, m_view.shownDate, m_view.markedDate, m_sources.today());
    if (move.marksDate)
        m_view.markedDate = move.shownDate;
    // Every key rebuilds and redraws the calendar, also one that moves nothing.
    showMonthOf(move.shownDate);
    return true;
}

} // namespace dutyloop
