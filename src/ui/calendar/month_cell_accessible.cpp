#include "ui/calendar/month_cell_accessible.h"

#include "ui/calendar/month_view.h"
#include "ui/calendar/month_view_accessible.h"

#include <QWindow>

namespace dutyloop {

namespace {

QRect OnScreen(const QWidget* widget, const QRect& rect) {
    return QRect(widget->mapToGlobal(rect.topLeft()), rect.size());
}

} // namespace

bool MonthViewPartAccessible::isValid() const {
    return m_view != nullptr;
}

QWindow* MonthViewPartAccessible::window() const {
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface* MonthViewPartAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(m_view.data());
}

MonthCellAccessible::MonthCellAccessible(MonthView* view, int cell)
    : MonthViewPartAccessible(view), m_cell(cell) {}

QString MonthCellAccessible::text(QAccessible::Text kind) const {
    if (!m_view)
        return {};
    const CellLook& look = m_view->page().cells[static_cast<std::size_t>(m_cell)];
    if (kind != QAccessible::Name && kind != QAccessible::Description)
        return {};
    m_view->noteCellTextsRead(m_cell);
    return kind == QAccessible::Name ? look.accessibleName : look.accessibleDescription;
}

QRect MonthCellAccessible::rect() const {
    return m_view ? OnScreen(m_view, m_view->cellRect(m_cell)) : QRect();
}

QAccessible::State MonthCellAccessible::state() const {
    QAccessible::State state;
    if (!m_view) {
        state.invalid = true;
        return state;
    }
    const bool selected = m_cell == m_view->selectedCell();
    state.selectable = m_cell <= kLastClickableCell;
    state.focusable = state.selectable;
    state.selected = selected;
    state.focused = selected && m_view->hasFocus();
    state.invisible = !m_view->isVisible();
    if (state.invisible)
        m_view->noteStateReadHidden(m_cell);
    state.readOnly = true;
    return state;
}

void* MonthCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool MonthCellAccessible::isSelected() const {
    return m_view && m_cell == m_view->selectedCell();
}

QList<QAccessibleInterface*> MonthCellAccessible::columnHeaderCells() const {
    auto* table = static_cast<MonthViewAccessible*>(parent());
    if (!table)
        return {};
    QAccessibleInterface* header = table->columnHeader(columnIndex());
    return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

WeekdayHeaderAccessible::WeekdayHeaderAccessible(MonthView* view, int column)
    : MonthViewPartAccessible(view), m_column(column) {}

QString WeekdayHeaderAccessible::text(QAccessible::Text kind) const {
    if (!m_view || kind != QAccessible::Name)
        return {};
    return m_view->page().spokenWeekdayNames[static_cast<std::size_t>(m_column)];
}

QRect WeekdayHeaderAccessible::rect() const {
    return m_view ? OnScreen(m_view, m_view->weekdayRect(m_column)) : QRect();
}

QAccessible::State WeekdayHeaderAccessible::state() const {
    QAccessible::State state;
    state.invalid = !m_view;
    state.invisible = !m_view || !m_view->isVisible();
    if (m_view && state.invisible)
        m_view->noteStateReadHidden(kCellCount + m_column);
    state.readOnly = true;
    return state;
}

} // namespace dutyloop
