#include "form_fixture.h"

#include "ui/t_rectangle.h"
#include "ui/t_switch.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {
QString AccessibleText(QObject* object, QAccessible::Text kind = QAccessible::Name) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(kind) : QStringLiteral("<no interface>");
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
        auto form = ShownForm();
        ChooseAssignment(*form, "5 TFS");
        PickDate(*form, QDate(2023, 9, 1));
        QCOMPARE(AccessibleText(form->widgets().gR[static_cast<std::size_t>(cell)]), name);
    }

    void noRotationNamesTheDateAlone() {
        auto form = ShownForm(QDate(2023, 9, 15));
        QCOMPARE(AccessibleText(form->widgets().gR[19]),
                 QStringLiteral("Friday, September 15, 2023"));
    }

    void tooltipsSayWhoIsOnDuty() {
        auto form = ShownForm();
        PickDate(*form, QDate(2023, 9, 1));
        const FormWidgets& w = form->widgets();
        const QString tip =
            QStringLiteral("Friday, September 1, 2023\nOn duty: 5 TFS, 6 FSS, 7 SSM");
        QCOMPARE(w.gR[5]->toolTip(), tip);
        QCOMPARE(AccessibleText(w.gR[5], QAccessible::Description), tip);
        // A leading day shows it too; cells that take no pointer have none.
        QVERIFY(w.gR[4]->toolTip().startsWith(QStringLiteral("Thursday, August 31, 2023\n")));
        QCOMPARE(w.gR[37]->toolTip(), QString());
    }

    void controlsAreNamed_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("name");
        QTest::newRow("previous") << "bPrev"
                                  << "Previous month";
        QTest::newRow("next") << "bNext"
                              << "Next month";
        QTest::newRow("work colour") << "bAPlt"
                                     << "Work day colour";
        QTest::newRow("background colour") << "bBkGr"
                                           << "Background colour";
        QTest::newRow("switch") << "swMondays"
                                << "Start weeks on Monday";
        QTest::newRow("status line") << "lblStatus"
                                     << "Selected day: 9/1/2023 Work";
    }
    void controlsAreNamed() {
        QFETCH(QString, widget);
        QFETCH(QString, name);
        auto form = ShownForm();
        ChooseAssignment(*form, "5 TFS");
        PickDate(*form, QDate(2023, 9, 1));
        QCOMPARE(AccessibleText(form->findChild<QWidget*>(widget)), name);
    }

    // The list reads out its entry; its caption is the label that names it.
    void assignmentListIsLabelled() {
        auto form = ShownForm();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(form->widgets().cbPlt);
        QStringList labels;
        for (const auto& relation : list->relations(QAccessible::Label))
            labels << relation.first->text(QAccessible::Name);
        QCOMPARE(labels, QStringList{QStringLiteral("Assignment")});
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
