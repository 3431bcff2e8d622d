#pragma once

#include <QAccessible>
#include <QPointer>

namespace dutyloop {

class MonthView;

// A part of the month view that has no object of its own, and no parts: a cell or a header.
class MonthViewPartAccessible : public QAccessibleInterface {
public:
    explicit MonthViewPartAccessible(MonthView* view) : m_view(view) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<MonthView> m_view;
};

// One cell of the month view's table: a day, or one of the two legend cells in the last row.
// It has no object of its own; the view's month page holds what it says.
//
// A cell is an item of the table rather than a table cell: Orca reads the whole row of a table
// cell whose row differs from the last one read, and a week of seven long day names would come
// before the day reached, on every move to another week. An item is read alone. The table
// interface still gives its row and column.
class MonthCellAccessible : public MonthViewPartAccessible, public QAccessibleTableCellInterface {
public:
    MonthCellAccessible(MonthView* view, int cell);

    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_cell % 7; }
    int rowIndex() const override { return m_cell / 7; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    int m_cell;
};

// The header of one column of the table: the weekday's whole name, over its short label.
class WeekdayHeaderAccessible : public MonthViewPartAccessible {
public:
    WeekdayHeaderAccessible(MonthView* view, int column);

    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::State state() const override;

private:
    int m_column;
};

} // namespace dutyloop
