#include "ui/window/equal_tab_widget.h"

#include <QAccessibleWidget>
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

// What a screen reader is shown the tab widget's own parts as.
constexpr char kTabPartRole[] = "dutyloopTabPartRole";

QAccessibleInterface* TabPartFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(kTabPartRole);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object),
                                 static_cast<QAccessible::Role>(role.toInt()));
}
} // namespace

EqualTabWidget::EqualTabWidget(QWidget* parent) : QTabWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(TabPartFactory);
        return true;
    }();
    Q_UNUSED(installed);
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
        stack->setProperty(kTabPartRole, int(QAccessible::Client));
}

void EqualTabWidget::tabInserted(int index) {
    QTabWidget::tabInserted(index);
    widget(index)->setProperty(kTabPartRole, int(QAccessible::PageTab));
    widget(index)->setAccessibleName(tabText(index));
}

} // namespace dutyloop
