#include "form_fixture.h"

#include "schedule/rotation.h"
#include "ui/t_rectangle.h"
#include "ui/t_switch.h"
#include "ui/t_text.h"
#include "ui/text_color.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QTabBar>
#include <QToolButton>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {
void ClickTabHeader(TMainForm& form, int index) {
    QTabBar* bar = form.widgets().tabCtrl->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}
} // namespace

class TestTabsAndStartup : public QObject {
    Q_OBJECT
private slots:
    void firstStartWithDefaultSettings() {
        auto form = ShownForm(QDate(2026, 12, 10));
        const FormWidgets& w = form->widgets();
        QCOMPARE(form->windowTitle(), QStringLiteral("Dutyloop®"));
        QCOMPARE(w.tabCtrl->currentWidget(), w.tabSettings);
        QCOMPARE(w.cbPlt->currentIndex(), 0);
        QVERIFY(!w.swMondays->isChecked());
        QCOMPARE(form->view().shownDate, D(2026, 12, 10));
        QCOMPARE(w.lblMonthName->text(), QStringLiteral("December"));
        QCOMPARE(w.lblStatus->text(), QString());
        for (int i = 0; i < 40; ++i) {
            const Color text = w.gT[static_cast<std::size_t>(i)]->color();
            QVERIFY(text != 0xFF0000FFu && text != 0xFF696969u);
        }
        QCOMPARE(w.DateEd->date(), QDate(2026, 12, 10));
        QCOMPARE(w.DateEd->calendarWidget()->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(TextColorOf(w.lblAbout), 0xFF000000u);
        const QStringList about = w.lblAbout->text().split(QLatin1Char('\n'));
        QCOMPARE(about.size(), 8);
        QCOMPARE(about[0], QStringLiteral("Dutyloop for Tornvale v3.0.1"));
        QCOMPARE(about[1], QString());
        QCOMPARE(about[6], QString());
        QVERIFY(!about[5].isEmpty());
        QCOMPARE(TextColorOf(w.bAPlt), 0xFF0000FFu);
        QCOMPARE(TextColorOf(w.bBPlt), 0xFF696969u);
        QCOMPARE(TextColorOf(w.bLdTr), 0xFFC0C0C0u);
        QCOMPARE(TextColorOf(w.bBkGr), 0xFF000000u);
        QVERIFY(w.ccbColor->isHidden());
        QCOMPARE(TextColorOf(w.sbHelp1), 0xFF0000FFu);
        QCOMPARE(TextColorOf(w.sbHelp2), 0xFF0000FFu);
        QVERIFY(w.sbHelp1->font().underline());
    }

    void choosingAnAssignmentReachesTheCalendarOnTheWayBack_data() {
        QTest::addColumn<int>("way"); // 0 Back, 1 Calendar header, 2 through Help
        QTest::newRow("Back") << 0;
        QTest::newRow("Calendar tab header") << 1;
        QTest::newRow("a visit to Help on the way") << 2;
    }
    void choosingAnAssignmentReachesTheCalendarOnTheWayBack() {
        QFETCH(int, way);
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        PickDate(*form, QDate(2014, 3, 31));
        OpenTab(*form, w.tabSettings);
        OpenList(w.cbPlt);
        ClickListEntry(w.cbPlt, w.cbPlt->findText(QStringLiteral("3 TWT")));
        // Nothing changes until the tab changes.
        QCOMPARE(form->view().anchorDate, AnchorForAssignment(u"Tornvale"));
        if (way == 0) {
            Click(w.sbBack2);
        } else if (way == 1) {
            ClickTabHeader(*form, 0);
        } else {
            ClickTabHeader(*form, 2);
            Click(w.sbBack3);
        }
        QCOMPARE(w.tabCtrl->currentWidget(), w.tabCalendar);
        QCOMPARE(form->view().anchorDate, D(2013, 12, 9));
        QCOMPARE(form->view().shownDate, D(2014, 3, 31));
        QCOMPARE(w.lblToolbar1->text(), QStringLiteral("Tornvale - 3 TWT"));
        // 2014-03-31 is position 113 of assignment 3's pattern, a work day.
        QCOMPARE(w.lblStatus->text(), QStringLiteral("3/31/2014\nWork"));
    }

    void aClickOnTheActiveTabRebuildsNothing() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        QCOMPARE(w.tabCtrl->currentWidget(), w.tabSettings);
        Click(w.swMondays);
        ClickTabHeader(*form, 1);
        QCOMPARE(w.tabCtrl->currentWidget(), w.tabSettings);
        QCOMPARE(w.lblDOW[0]->text(), QStringLiteral("Sun"));
        ClickTabHeader(*form, 3);
        QCOMPARE(w.lblDOW[0]->text(), QStringLiteral("Mon"));
    }

    void backButtonsReturnToTheCalendar_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("from Settings") << 1;
        QTest::newRow("from Help") << 2;
        QTest::newRow("from About") << 3;
    }
    void backButtonsReturnToTheCalendar() {
        QFETCH(int, tab);
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        ClickTabHeader(*form, tab);
        QToolButton* back = tab == 1 ? w.sbBack2 : tab == 2 ? w.sbBack3 : w.sbBack4;
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(w.tabCtrl->currentWidget(), w.tabCalendar);
    }

    void everyNamedWidgetIsInTheTree() {
        auto form = ShownForm();
        const QStringList names = {
            "tabCtrl",      "tabCalendar",  "tabSettings", "tabHelp",      "tabAbout",
            "tbCalendar",   "rectToolbar1", "lblToolbar1", "loMonthName",  "rectMonthName",
            "lblMonthName", "bPrev",        "bNext",       "loDaysOfWeek", "rectDaysOfWeek",
            "gloDOW",       "lblDOW1",      "lblDOW7",     "loCalendar",   "loFooter",
            "rectFooter",   "lblStatus",    "bToday",      "DateEd",       "rectCalendar",
            "gloCal",       "gR00",         "gT41",        "rectSettings", "tbSettings",
            "rectToolbar2", "lblToolbar2",  "ccbColor",    "sbBack2",      "bSave",
            "lblPlatoon",   "cbPlt",        "lblMonday",   "swMondays",    "bAPlt",
            "bBPlt",        "bLdTr",        "bBkGr",       "tbHelp",       "rectHelp",
            "lblToolbar3",  "sbBack3",      "ImgHelp",     "tbAbout",      "rectToolbar4",
            "lblToolbar4",  "sbBack4",      "loLinks",     "rectLinks",    "sbHelp1",
            "sbHelp2",      "rectAbout",    "imgSextant",  "lblAbout",     "bExport"};
        for (const QString& name : names)
            QVERIFY2(form->findChild<QWidget*>(name), qPrintable(name));
        QCOMPARE(form->objectName(), QStringLiteral("MainForm"));
        const QStringList headers = {"Calendar", "Settings", "Help", "About"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(form->widgets().tabCtrl->tabText(i), headers[i]);
        QCOMPARE(form->widgets().tabCtrl->tabBar()->height(), 49);
    }
};

QTEST_MAIN(TestTabsAndStartup)
#include "test_tabs_and_startup.moc"
