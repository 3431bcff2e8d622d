// The calendar's keys on its own widgets: the days, and the month arrows and Today, which hand
// every key that moves the day to the days.

#include "ui/calendar/calendar_navigation.h"

#include "ui/calendar/calendar_page.h"
#include "ui/calendar/month_view.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace dutyloop {

bool IsArrowKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

bool IsDayKey(int key) {
    return IsArrowKey(key) || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
           key == Qt::Key_Home || key == Qt::Key_End;
}

void CalendarNavigation::watchKeys() {
    m_page->monthView()->installEventFilter(this);
    for (QAbstractButton* button : m_page->findChildren<QAbstractButton*>())
        button->installEventFilter(this);
}

bool CalendarNavigation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == m_page->monthView()) {
        // Tab moves the focus on, and the menu key opens the day's menu, as Qt does it.
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Menu)
            return false;
        handleKey(key, true);
        return true;
    }
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button)
        return QObject::eventFilter(watched, event);
    // Qt's buttons move the focus on arrow keys; here every key that moves the day goes to the
    // days, with the focus first: the day reached is then read where the focus is, and not said
    // a second time as a move made on the button.
    if (IsDayKey(key)) {
        m_page->focusMonthView(Qt::OtherFocusReason);
        handleKey(key, false);
        return true;
    }
    // Enter presses the calendar's buttons as Space does; outside a dialog Qt's buttons leave it
    // unanswered.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        button->click();
        return true;
    }
    return false;
}

} // namespace dutyloop
