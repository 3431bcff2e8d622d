// The calendar's keys: from the days, from the calendar's buttons, and from whatever else has
// the focus on any tab, all answered in one function.

#include "ui/window/main_window.h"

#include "calendar/date_moves.h"
#include "ui/calendar/calendar_navigation.h"
#include "ui/calendar/calendar_page.h"
#include "ui/calendar/month_view.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace dutyloop {

namespace {

bool IsArrowKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

// The keys that move the calendar's day.
bool IsDayKey(int key) {
    return IsArrowKey(key) || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
           key == Qt::Key_Home || key == Qt::Key_End;
}

} // namespace

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // A key the focused control left unanswered: the days do not have it.
    if (handleCalendarKey(event->key(), false))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == m_calendarPage->monthView()) {
        // Tab moves the focus on, and the menu key opens the day's menu, as Qt does it.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab && key != Qt::Key_Menu) {
            handleCalendarKey(key, true);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && qobject_cast<QAbstractButton*>(watched)) {
        auto* button = static_cast<QAbstractButton*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool onTheCalendar = m_calendarPage->isAncestorOf(button);
        // Qt's buttons move the focus on arrow keys; here the arrows belong to the calendar. A
        // button of the calendar hands every key that moves the day to the days, with the
        // focus, so that a screen reader reads the day reached.
        if (IsArrowKey(key) || (onTheCalendar && IsDayKey(key))) {
            // The focus goes first: the day reached is then read where the focus is, and not
            // said a second time as a move made on the button.
            if (onTheCalendar)
                m_calendarPage->focusMonthView(Qt::OtherFocusReason);
            handleCalendarKey(key, false);
            return true;
        }
        // Enter presses the calendar's buttons as Space does; outside a dialog Qt's buttons
        // leave it unanswered.
        if (onTheCalendar && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::handleCalendarKey(int key, bool onTheDays) {
    return m_calendar->handleKey(key, onTheDays);
}

} // namespace dutyloop
