#include "ui/window/equal_tab_widget.h"

#include "ui/parts/accessible_role.h"

#include <QStackedWidget>
#include <QTabBar>

namespace dutyloop {

namespace {
class EqualTabBar : public QTabBar {
public:
    explicit EqualTabBar(QWidget* parent) : QTabBar(parent) {}

protected:
    QSize tabSizeHint(int index) const override {
        const int tabs = count();
        const int available = parentWidget() ? parentWidget()->width() : width();
        if (tabs == 0)
            return QTabBar::tabSizeHint(index);
        // The last header takes what the division leaves over.
        const int share = available / tabs;
        const int widthOfTab = index == tabs - 1 ? available - share * (tabs - 1) : share;
        return {std::max(widthOfTab, 1), EqualTabWidget::kTabHeight};
    }
    QSize minimumTabSizeHint(int) const override { return {1, EqualTabWidget::kTabHeight}; }
};

} // namespace

EqualTabWidget::EqualTabWidget(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new EqualTabBar(this));
    setDocumentMode(true);
    tabBar()->setExpanding(false);
    tabBar()->setDrawBase(false);
    tabBar()->setUsesScrollButtons(false);
    tabBar()->setElideMode(Qt::ElideRight);
    // The Tab key reaches the headers, where the arrow keys choose a tab; a click leaves the
    // focus where it was, and Ctrl+Tab switches tabs from anywhere.
    tabBar()->setFocusPolicy(Qt::TabFocus);
    // A screen reader names the part of the window the focus enters by the containers around
    // it that have names. The stack of pages is a nameless "layered pane" to Orca, said before
    // every page, and a page, a plain widget, is a filler that it skips. The stack is made a
    // filler, and each page a page tab named for its tab, as the pages of GTK's notebooks are.
    if (auto* stack = findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly))
        SetAccessibleRole(stack, QAccessible::Client);
}

void EqualTabWidget::tabInserted(int index) {
    QTabWidget::tabInserted(index);
    SetAccessibleRole(widget(index), QAccessible::PageTab);
    widget(index)->setAccessibleName(tabText(index));
}

} // namespace dutyloop
