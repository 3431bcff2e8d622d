#pragma once

#include <QAccessibleWidget>

namespace dutyloop {

class MonthView;

// The month view as screen readers see it: a table whose cells are the 42 cells of the grid,
// the legend among them, each named as the view's month page names it.
class MonthViewAccessible : public QAccessibleWidget {
public:
    explicit MonthViewAccessible(MonthView* view);
    ~MonthViewAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    MonthView* view() const;

    mutable QList<QAccessible::Id> m_cells;
};

// Lets Qt ask for the interface above whenever a screen reader looks at a month view.
void InstallMonthViewAccessibility();

} // namespace dutyloop
