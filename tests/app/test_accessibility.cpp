#include "window_fixture.h"

#include "ui/toggle_switch.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {
QString AccessibleText(QObject* object, QAccessible::Text kind = QAccessible::Name) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(kind) : QStringLiteral("<no interface>");
}

// A cell of the month view, as a screen reader reaches it: a child of the view's table.
QString CellText(MainWindow& window, int cell, QAccessible::Text kind = QAccessible::Name) {
    QAccessibleInterface* table =
        QAccessible::queryAccessibleInterface(ControlsOf(window).monthView);
    if (!table || table->role() != QAccessible::Table || table->childCount() != 42)
        return QStringLiteral("<no table of 42 cells>");
    QAccessibleInterface* child = table->child(cell);
    return child ? child->text(kind) : QStringLiteral("<no cell>");
}

// The tooltip the view shows where the pointer rests on a cell.
QString ToolTipOver(MainWindow& window, int cell) {
    MonthView* view = ControlsOf(window).monthView;
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        return QStringLiteral("<the tooltip before did not go>");
    const QPoint at = view->cellRect(cell).center();
    QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
    QApplication::sendEvent(view, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    // September 2023 under 5 TFS, weeks from Sunday: cell 0 is Sunday 2023-08-27.
    void everyDayOfTheGridIsNamed_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("name");
        QTest::newRow("leading day of August")
            << 4 << "Thursday, August 31, 2023, work day"; // 5 TFS works Aug 30 to Sep 1
        QTest::newRow("selected work day") << 5 << "Friday, September 1, 2023, work day";
        QTest::newRow("off day") << 6 << "Saturday, September 2, 2023, off duty";
        QTest::newRow("a trailing day that takes no clicks")
            << 39 << "Thursday, October 5, 2023, off duty"; // position 32, a Thursday off
        QTest::newRow("legend") << 40 << "Legend: work days";
    }
    void everyDayOfTheGridIsNamed() {
        QFETCH(int, cell);
        QFETCH(QString, name);
        auto window = ShownWindow();
        ChooseAssignment(*window, "5 TFS");
        PickDate(*window, QDate(2023, 9, 1));
        QCOMPARE(CellText(*window, cell), name);
    }

    void noRotationNamesTheDateAlone() {
        auto window = ShownWindow(QDate(2023, 9, 15));
        QCOMPARE(CellText(*window, 19), QStringLiteral("Friday, September 15, 2023"));
    }

    void tooltipsSayWhoIsOnDuty() {
        auto window = ShownWindow();
        PickDate(*window, QDate(2023, 9, 1));
        const QString tip =
            QStringLiteral("Friday, September 1, 2023\nOn duty: 5 TFS, 6 FSS, 7 SSM");
        QCOMPARE(ToolTipOver(*window, 5), tip);
        QCOMPARE(CellText(*window, 5, QAccessible::Description), tip);
        // A leading day shows it too; cells that take no pointer have none.
        QVERIFY(ToolTipOver(*window, 4).startsWith(QStringLiteral("Thursday, August 31, 2023\n")));
        QCOMPARE(ToolTipOver(*window, 37), QString());
    }

    void controlsAreNamed_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("name");
        QTest::newRow("previous") << "previousMonthButton"
                                  << "Previous month";
        QTest::newRow("next") << "nextMonthButton"
                              << "Next month";
        QTest::newRow("work colour") << "workColorButton"
                                     << "Work day colour";
        QTest::newRow("background colour") << "backgroundColorButton"
                                           << "Background colour";
        QTest::newRow("switch") << "weekStartSwitch"
                                << "Start weeks on Monday";
        QTest::newRow("status line") << "statusLabel"
                                     << "Selected day: 9/1/2023 Work";
    }
    void controlsAreNamed() {
        QFETCH(QString, widget);
        QFETCH(QString, name);
        auto window = ShownWindow();
        ChooseAssignment(*window, "5 TFS");
        PickDate(*window, QDate(2023, 9, 1));
        QCOMPARE(AccessibleText(window->findChild<QWidget*>(widget)), name);
    }

    // The list reads out its entry; its caption is the label that names it.
    void assignmentListIsLabelled() {
        auto window = ShownWindow();
        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(ControlsOf(*window).assignment);
        QStringList labels;
        for (const auto& relation : list->relations(QAccessible::Label))
            labels << relation.first->text(QAccessible::Name);
        QCOMPARE(labels, QStringList{QStringLiteral("Assignment")});
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
