#include "ui/month_view_accessible.h"

#include "ui/month_view.h"

namespace dutyloop {

namespace {

// One cell of the grid. It has no object of its own; the view holds what it says.
class MonthCellAccessible : public QAccessibleInterface {
public:
    MonthCellAccessible(MonthView* view, int cell) : m_view(view), m_cell(cell) {}

    bool isValid() const override { return m_view != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_view.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text kind) const override {
        if (!m_view)
            return {};
        const CellLook& look = m_view->page().cells[static_cast<std::size_t>(m_cell)];
        if (kind == QAccessible::Name)
            return look.accessibleName;
        if (kind == QAccessible::Description)
            return look.toolTip;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!m_view)
            return {};
        const QRect cell = m_view->cellRect(m_cell);
        return QRect(m_view->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = m_cell <= kLastClickableCell;
        state.selected = m_view && m_cell == m_view->selectedCell();
        state.invisible = !m_view || !m_view->isVisible();
        return state;
    }

private:
    QPointer<MonthView> m_view;
    int m_cell;
};

QAccessibleInterface* MonthViewFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("dutyloop::MonthView") && object && object->isWidgetType())
        return new MonthViewAccessible(static_cast<MonthView*>(object));
    return nullptr;
}

} // namespace

MonthViewAccessible::MonthViewAccessible(MonthView* view)
    : QAccessibleWidget(view, QAccessible::Table, MonthView::tr("Month")) {}

MonthViewAccessible::~MonthViewAccessible() {
    for (QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
}

MonthView* MonthViewAccessible::view() const {
    return static_cast<MonthView*>(widget());
}

int MonthViewAccessible::childCount() const {
    return kCellCount;
}

QAccessibleInterface* MonthViewAccessible::child(int index) const {
    if (index < 0 || index >= kCellCount)
        return nullptr;
    if (m_cells.isEmpty()) {
        for (int cell = 0; cell < kCellCount; ++cell)
            m_cells.append(
                QAccessible::registerAccessibleInterface(new MonthCellAccessible(view(), cell)));
    }
    return QAccessible::accessibleInterface(m_cells.at(index));
}

int MonthViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int cell = 0; cell < m_cells.size(); ++cell) {
        if (QAccessible::accessibleInterface(m_cells.at(cell)) == child)
            return cell;
    }
    return -1;
}

QAccessibleInterface* MonthViewAccessible::childAt(int x, int y) const {
    const QPoint point = view()->mapFromGlobal(QPoint(x, y));
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (view()->cellRect(cell).contains(point))
            return child(cell);
    }
    return nullptr;
}

void InstallMonthViewAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(MonthViewFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace dutyloop
