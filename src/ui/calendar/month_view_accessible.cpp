#include "ui/calendar/month_view_accessible.h"

#include "ui/calendar/month_cell_accessible.h"
#include "ui/calendar/month_view.h"

#include <QLabel>

namespace dutyloop {

namespace {

constexpr int kHeaderCount = 7;

QAccessibleInterface* MonthViewFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("dutyloop::MonthView") && object && object->isWidgetType())
        return new MonthViewAccessible(static_cast<MonthView*>(object));
    return nullptr;
}

void SendCellEvent(MonthView* view, int cell, QAccessible::Event type) {
    QAccessibleEvent event(view, type);
    event.setChild(cell);
    QAccessible::updateAccessibility(&event);
}

} // namespace

MonthViewAccessible::MonthViewAccessible(MonthView* view)
    : QAccessibleWidget(view, QAccessible::Table) {}

MonthViewAccessible::~MonthViewAccessible() {
    for (QAccessible::Id id : std::as_const(m_children))
        QAccessible::deleteAccessibleInterface(id);
}

MonthView* MonthViewAccessible::view() const {
    return static_cast<MonthView*>(widget());
}

void* MonthViewAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString MonthViewAccessible::text(QAccessible::Text kind) const {
    // The table is named for the month it shows, with its year.
    if (kind == QAccessible::Name && view()->accessibleName().isEmpty())
        return view()->page().spokenMonth;
    return QAccessibleWidget::text(kind);
}

void MonthViewAccessible::makeChildren() const {
    if (!m_children.isEmpty())
        return;
    for (int cell = 0; cell < kCellCount; ++cell)
        m_children.append(
            QAccessible::registerAccessibleInterface(new MonthCellAccessible(view(), cell)));
    for (int column = 0; column < kHeaderCount; ++column)
        m_children.append(
            QAccessible::registerAccessibleInterface(new WeekdayHeaderAccessible(view(), column)));
}

int MonthViewAccessible::childCount() const {
    return kCellCount + kHeaderCount;
}

QAccessibleInterface* MonthViewAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    makeChildren();
    return QAccessible::accessibleInterface(m_children.at(index));
}

int MonthViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    return static_cast<int>(m_children.indexOf(id));
}

QAccessibleInterface* MonthViewAccessible::childAt(int x, int y) const {
    const QPoint point = view()->mapFromGlobal(QPoint(x, y));
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (view()->cellRect(cell).contains(point))
            return child(cell);
    }
    for (int column = 0; column < kHeaderCount; ++column) {
        if (view()->weekdayRect(column).contains(point))
            return columnHeader(column);
    }
    return nullptr;
}

QAccessibleInterface* MonthViewAccessible::focusChild() const {
    const int selected = view()->selectedCell();
    return view()->hasFocus() && selected >= 0 ? child(selected) : nullptr;
}

// A label whose buddy is the view names it; Qt looks for such labels among the view's siblings
// only, and the calendar's title, the crew shown, stands in a band of its own.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
MonthViewAccessible::relations(QAccessible::Relation match) const {
    auto related = QAccessibleWidget::relations(match);
    if (!(match & QAccessible::Label) || !view()->parentWidget())
        return related;
    for (QLabel* label : view()->parentWidget()->findChildren<QLabel*>()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
        const bool known = std::any_of(related.cbegin(), related.cend(),
                                       [iface](const auto& pair) { return pair.first == iface; });
        if (label->buddy() == view() && iface && !known)
            related.append({iface, QAccessible::Label});
    }
    return related;
}

QAccessibleInterface* MonthViewAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child(row * columnCount() + column);
}

int MonthViewAccessible::selectedCellCount() const {
    return view()->selectedCell() >= 0 ? 1 : 0;
}

QList<QAccessibleInterface*> MonthViewAccessible::selectedCells() const {
    const int selected = view()->selectedCell();
    if (selected < 0)
        return {};
    return {child(selected)};
}

QString MonthViewAccessible::columnDescription(int column) const {
    if (column < 0 || column >= kHeaderCount)
        return {};
    return view()->page().spokenWeekdayNames[static_cast<std::size_t>(column)];
}

QAccessibleInterface* MonthViewAccessible::columnHeader(int column) const {
    if (column < 0 || column >= kHeaderCount)
        return nullptr;
    return child(kCellCount + column);
}

void InstallMonthViewAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(MonthViewFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void ReportPageChange(MonthView* view, const MonthPage& before) {
    const MonthPage& now = view->page();
    // Only a screen reader that keeps copies of the names needs to hear of each one, and only of
    // a cell whose texts it has read: it holds no copy of another. A month change would else
    // send some eighty events that nobody asked for. The few events of a move below go out
    // always, so that tools listening to Qt hear them too.
    if (QAccessible::isActive()) {
        for (int cell = 0; cell < kCellCount; ++cell) {
            const auto i = static_cast<std::size_t>(cell);
            if (!view->cellTextsRead(cell))
                continue;
            if (now.cells[i].accessibleName != before.cells[i].accessibleName)
                SendCellEvent(view, cell, QAccessible::NameChanged);
            if (now.cells[i].accessibleDescription != before.cells[i].accessibleDescription)
                SendCellEvent(view, cell, QAccessible::DescriptionChanged);
            // Sending the event reads the new texts for it; a reader that wants them reads again.
            view->forgetCellTextsRead(cell);
        }
        if (now.spokenMonth != before.spokenMonth) {
            QAccessibleEvent event(view, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
    if (now.selectedDate == before.selectedDate)
        return;
    // As Qt's item views do: the day left, the day chosen, and the focus on it.
    const auto left = static_cast<int>(now.cells[0].date.daysTo(before.selectedDate));
    if (left >= 0 && left <= kLastClickableCell)
        SendCellEvent(view, left, QAccessible::SelectionRemove);
    const int chosen = view->selectedCell();
    if (chosen < 0)
        return;
    SendCellEvent(view, chosen, QAccessible::SelectionAdd);
    if (view->hasFocus())
        SendCellEvent(view, chosen, QAccessible::Focus);
}

void ReportPartsShown(MonthView* view, const std::bitset<kCellCount + 7>& parts) {
    for (int part = 0; part < kCellCount + kHeaderCount; ++part) {
        if (parts.test(static_cast<std::size_t>(part)))
            SendCellEvent(view, part, QAccessible::ObjectShow);
    }
}

void ReportFocusedCell(MonthView* view) {
    if (view->selectedCell() >= 0)
        SendCellEvent(view, view->selectedCell(), QAccessible::Focus);
}

} // namespace dutyloop
