#pragma once

#include "calendar/month_grid.h"

#include <QAccessibleWidget>
#include <bitset>

namespace dutyloop {

class MonthView;
struct MonthPage;

// The month view as screen readers see it: a table of six rows of seven cells, the legend's two
// among them, under the weekday names as column headers. Its children are the 42 cells in grid
// order, then the seven headers.
class MonthViewAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit MonthViewAccessible(MonthView* view);
    ~MonthViewAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 7; }
    int rowCount() const override { return 6; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    QAccessibleInterface* columnHeader(int column) const;

private:
    MonthView* view() const;
    void makeChildren() const;

    mutable QList<QAccessible::Id> m_children;
};

// Lets Qt ask for the interface above whenever a screen reader looks at a month view.
void InstallMonthViewAccessibility();

// Tells screen readers what changed from `before` to the page the view shows now: the names of
// the cells, and a selection that moved. The cell of a new selected day takes the focus while
// the view has it, so the day is read as the user moves.
void ReportPageChange(MonthView* view, const MonthPage& before);

// The view has come into view again: the parts whose state was read while it was hidden show
// again. Qt tells of the view alone, and its cells are the view's own.
void ReportPartsShown(MonthView* view, const std::bitset<kCellCount + 7>& parts);

// The view has just taken the focus: its selected cell is the focused object.
void ReportFocusedCell(MonthView* view);

} // namespace dutyloop
