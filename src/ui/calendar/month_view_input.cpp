// How the month view answers the mouse, the keys, the focus and tooltips.

#include "ui/calendar/month_view.h"

#include "ui/calendar/month_view_accessible.h"

#include "calendar/cell_descriptions.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>

#include <utility>

namespace dutyloop {

bool MonthView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int cell = cellAt(help->pos());
    const QString tip =
        cell >= 0 ? m_page.cells[static_cast<std::size_t>(cell)].toolTip : QString();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), WrappedToolTip(tip), this, cellRect(cell));
    }
    return true;
}

void MonthView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressedCell = cellAt(event->position().toPoint());
}

void MonthView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int pressed = std::exchange(m_pressedCell, -1);
    // Releasing over another cell, or outside, cancels the click, as on a button.
    if (pressed >= 0 && cellAt(event->position().toPoint()) == pressed)
        emit dayClicked(dayOf(pressed));
}

bool MonthView::showsFocusMark() const {
    return m_focusMarkWanted && hasFocus();
}

void MonthView::takeFocus(Qt::FocusReason reason) {
    if (!hasFocus()) {
        setFocus(reason);
        return;
    }
    const bool before = m_focusMarkWanted;
    noteFocusReason(reason, true);
    if (before != m_focusMarkWanted && selectedCell() >= 0)
        update(cellRect(selectedCell()));
}

// The mark shows where the user brought the focus to the days, with a click or the Tab key; the
// focus the window gives the view when the tab shows is for screen readers, and the calendar
// looks as it did before. Coming back to the window keeps what was.
void MonthView::noteFocusReason(Qt::FocusReason reason, bool hadFocus) {
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
        m_focusMarkWanted = true;
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    default:
        if (!hadFocus)
            m_focusMarkWanted = false;
        break;
    }
}

void MonthView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    noteFocusReason(event->reason(), false);
    // Qt tells of the view's own focus after this handler; the day follows it, so that a screen
    // reader ends on the day.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                ReportFocusedCell(this);
        },
        Qt::QueuedConnection);
    if (selectedCell() >= 0)
        update(cellRect(selectedCell()));
}

void MonthView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ReportPartsShown(this, std::exchange(m_statesReadHidden, {}));
}

void MonthView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (selectedCell() >= 0)
        update(cellRect(selectedCell()));
}

QDate MonthView::dayOf(int cell) const {
    return m_page.cells[static_cast<std::size_t>(cell)].date;
}

bool MonthView::activates(int cell) const {
    return cell >= 0 && m_page.cells[static_cast<std::size_t>(cell)].takesClicks;
}

void MonthView::mouseDoubleClickEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !activates(cell)) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    // The double-click's first click has chosen the day already.
    emit dayActivated(dayOf(cell));
}

void MonthView::contextMenuEvent(QContextMenuEvent* event) {
    const bool fromMouse = event->reason() == QContextMenuEvent::Mouse;
    const int cell = fromMouse ? cellAt(event->pos()) : selectedCell();
    // Before the rotation starts there is nothing to change; the dialog would only say so.
    if (!activates(cell) ||
        m_page.cells[static_cast<std::size_t>(cell)].duty == DutyCode::NoRotation) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("dayMenu"));
    QAction* change = menu.addAction(tr("Change day…"));
    // Opened from the keyboard, the menu stands on its entry, so that Enter takes it and a
    // screen reader, which follows the entry the menu stands on, reads it; else it opens in
    // silence.
    if (!fromMouse)
        menu.setActiveAction(change);
    const QPoint at = fromMouse ? event->globalPos() : mapToGlobal(cellRect(cell).center());
    if (menu.exec(at) == change)
        emit dayActivated(dayOf(cell));
}

} // namespace dutyloop
