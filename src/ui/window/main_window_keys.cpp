// The calendar's keys from the other tabs: whatever the focused control leaves unanswered, and the
// arrows on their buttons, go to the calendar, whose own widgets answer their keys themselves.

#include "ui/window/main_window.h"

#include "calendar/date_moves.h"
#include "ui/calendar/calendar_navigation.h"
#include "ui/calendar/calendar_page.h"
#include "ui/calendar/month_view.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace dutyloop {

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // A key the focused control left unanswered: the days do not have it.
    if (handleCalendarKey(event->key(), false))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Qt's buttons of the other tabs move the focus on arrow keys; here the arrows move the
    // calendar's day from every tab. The calendar's own widgets answer their keys themselves.
    if (event->type() == QEvent::KeyPress && qobject_cast<QAbstractButton*>(watched) &&
        IsArrowKey(static_cast<QKeyEvent*>(event)->key())) {
        handleCalendarKey(static_cast<QKeyEvent*>(event)->key(), false);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::handleCalendarKey(int key, bool onTheDays) {
    return m_calendar->handleKey(key, onTheDays);
}

} // namespace dutyloop
