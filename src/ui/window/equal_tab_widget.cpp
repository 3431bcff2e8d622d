#include "ui/window/equal_tab_widget.h"

#include "ui/parts/accessible_role.h"

#include <QStackedWidget>
#include <QTabBar>

#include <algorithm>
#include <numeric>
#include <vector>

namespace dutyloop {

namespace {

// The headers' widths: equal shares of `available`, the last taking what the division leaves
// over; a caption longer than its share (German "Einstellungen") has the width it needs and
// the others share the rest equally. Where not every caption fits, the shares stay equal and
// the long captions are elided alike.
std::vector<int> HeaderWidths(const std::vector<int>& needs, int available) {
    const auto tabs = static_cast<int>(needs.size());
    std::vector<int> widths(needs.size(), 0);
    const bool allFit = std::accumulate(needs.begin(), needs.end(), 0) <= available;
    std::vector<bool> fixed(needs.size(), false);
    int left = available;
    int sharing = tabs;
    // The widest captions first take what they need while it is more than an equal share of
    // what is left; the rest share what remains.
    std::vector<std::size_t> byNeed(needs.size());
    std::iota(byNeed.begin(), byNeed.end(), std::size_t{0});
    std::stable_sort(byNeed.begin(), byNeed.end(),
                     [&](std::size_t a, std::size_t b) { return needs[a] > needs[b]; });
    for (std::size_t i : byNeed) {
        if (!allFit || sharing == 1 || needs[i] <= left / sharing)
            break;
        widths[i] = needs[i];
        fixed[i] = true;
        left -= needs[i];
        --sharing;
    }
    const int share = left / sharing;
    std::size_t last = 0;
    for (std::size_t i = 0; i < needs.size(); ++i) {
        if (!fixed[i]) {
            widths[i] = share;
            last = i;
        }
    }
    widths[last] += left - share * sharing;
    return widths;
}

class EqualTabBar : public QTabBar {
public:
    explicit EqualTabBar(QWidget* parent) : QTabBar(parent) {}

protected:
    QSize tabSizeHint(int index) const override {
        const int tabs = count();
        const int available = parentWidget() ? parentWidget()->width() : width();
        if (tabs == 0)
            return QTabBar::tabSizeHint(index);
        std::vector<int> needs;
        for (int tab = 0; tab < tabs; ++tab)
            needs.push_back(QTabBar::tabSizeHint(tab).width());
        const int widthOfTab = HeaderWidths(needs, available)[static_cast<std::size_t>(index)];
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
