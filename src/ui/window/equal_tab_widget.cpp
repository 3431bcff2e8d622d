#include "ui/window/equal_tab_widget.h"

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
}

void EqualTabWidget::tabInserted(int index) {
    QTabWidget::tabInserted(index);
    // A screen reader names the page the focus enters, so each page says which tab it is.
    widget(index)->setAccessibleName(tr("%1 tab").arg(tabText(index)));
}

} // namespace dutyloop
