#include "ui/window/second_starts.h"

#include "ui/window/main_window.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <utility>

namespace dutyloop {

namespace {

// The dialog or the drop-down list that has the user's input now, if any.
QWidget* OpenDialog() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activePopupWidget();
}

} // namespace

SecondStarts::SecondStarts(MainWindow& window) : QObject(&window), m_window(window) {}

void SecondStarts::follow(std::optional<QDate> day) {
    m_window.bringToFront();
    QWidget* const dialog = OpenDialog();
    if (!dialog) {
        if (day)
            m_window.showDay(*day);
        return;
    }
    // Brought to the front with the window, the dialog stays on top of it, where the input goes.
    if (dialog == QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
    if (!day)
        return;
    m_waitingDay = day;
    dialog->installEventFilter(this);
}

bool SecondStarts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        watched->removeEventFilter(this);
        // Looked at once the code that opened the dialog has had its answer: it may open
        // another (an error, the save dialog after Print's).
        QTimer::singleShot(0, this, &SecondStarts::showWaitingDay);
    }
    return QObject::eventFilter(watched, event);
}

void SecondStarts::showWaitingDay() {
    if (!m_waitingDay)
        return;
    if (QWidget* const dialog = OpenDialog()) {
        dialog->installEventFilter(this);
        return;
    }
    m_window.showDay(*std::exchange(m_waitingDay, std::nullopt));
}

} // namespace dutyloop
