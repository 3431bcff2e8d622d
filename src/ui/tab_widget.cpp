#include "ui/tab_widget.h"

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
        return {std::max(widthOfTab, 1), TabWidget::kTabHeight};
    }
    QSize minimumTabSizeHint(int) const override { return {1, TabWidget::kTabHeight}; }
};
} // namespace

TabWidget::TabWidget(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new EqualTabBar(this));
    setDocumentMode(true);
    tabBar()->setExpanding(false);
    tabBar()->setDrawBase(false);
    tabBar()->setUsesScrollButtons(false);
    tabBar()->setElideMode(Qt::ElideRight);
    // Arrow keys belong to the calendar; Ctrl+Tab still switches tabs from the keyboard.
    tabBar()->setFocusPolicy(Qt::NoFocus);
}

} // namespace dutyloop
