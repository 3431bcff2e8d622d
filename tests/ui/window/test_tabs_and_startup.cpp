#include "window_fixture.h"

#include "ui/about/svg_picture.h"

#include "schedule/rotation.h"

#include "ui/parts/text_color.h"
#include "ui/settings/toggle_switch.h"
#include <QWindow>

#include <QCalendarWidget>
#include <QLabel>
#include <QTabBar>
#include <QToolButton>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {
void ClickTabHeader(MainWindow& window, int index) {
    QTabBar* bar = ControlsOf(window).tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}
} // namespace

class TestTabsAndStartup : public QObject {
    Q_OBJECT
private slots:
    void firstStartWithDefaultSettings() {
        auto window = ShownWindow(QDate(2026, 12, 10));
        const Controls w = ControlsOf(*window);
        QCOMPARE(window->windowHandle()->title(), QStringLiteral("Dutyloop®"));
        QCOMPARE(w.tabs->currentWidget(), w.settingsPage);
        QCOMPARE(w.assignment->currentIndex(), 0);
        // The keys start on the list where a crew is chosen.
        QCOMPARE(QApplication::focusWidget(), w.assignment);
        QVERIFY(!w.weekStart->isChecked());
        QCOMPARE(window->view().shownDate, D(2026, 12, 10));
        QCOMPARE(w.monthLabel->text(), QStringLiteral("December"));
        QCOMPARE(w.status->text(), QString());
        for (int i = 0; i < 40; ++i) {
            const QRgb text = window->monthPage().cells[static_cast<std::size_t>(i)].textColor;
            QVERIFY(text != 0xFF0000FFu && text != 0xFF696969u);
        }
        QCOMPARE(w.dateField->date(), QDate(2026, 12, 10));
        QCOMPARE(w.dateField->calendarWidget()->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(TextColorOf(w.aboutText), 0xFF000000u);
        const QStringList about = w.aboutText->text().split(QLatin1Char('\n'));
        QCOMPARE(about.size(), 8);
        QCOMPARE(about[0], QStringLiteral("Dutyloop for Tornvale v3.0.1"));
        QCOMPARE(about[1], QString());
        QCOMPARE(about[6], QString());
        QVERIFY(!about[5].isEmpty());
        QCOMPARE(TextColorOf(w.workColor), 0xFF0000FFu);
        QCOMPARE(TextColorOf(w.offColor), 0xFF696969u);
        QCOMPARE(TextColorOf(w.leadTrailColor), 0xFFC0C0C0u);
        QCOMPARE(TextColorOf(w.backgroundColor), 0xFF000000u);
        QVERIFY(w.colorPicker->isHidden());
        QCOMPARE(TextColorOf(w.supportPageLink), 0xFF0000FFu);
        QCOMPARE(TextColorOf(w.supportMailLink), 0xFF0000FFu);
        QVERIFY(w.supportPageLink->font().underline());
    }

    void choosingAnAssignmentReachesTheCalendarOnTheWayBack_data() {
        QTest::addColumn<int>("way"); // 0 Back, 1 Calendar header, 2 through Help
        QTest::newRow("Back") << 0;
        QTest::newRow("Calendar tab header") << 1;
        QTest::newRow("a visit to Help on the way") << 2;
    }
    void choosingAnAssignmentReachesTheCalendarOnTheWayBack() {
        QFETCH(int, way);
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        PickDate(*window, QDate(2014, 3, 31));
        OpenTab(*window, w.settingsPage);
        OpenList(w.assignment);
        ClickListEntry(w.assignment, w.assignment->findText(QStringLiteral("3 TWT")));
        // Nothing changes until the tab changes.
        QCOMPARE(window->view().anchorDate, AnchorForAssignment(u"Tornvale"));
        if (way == 0) {
            Click(w.settingsBack);
        } else if (way == 1) {
            ClickTabHeader(*window, 0);
        } else {
            ClickTabHeader(*window, 2);
            Click(w.helpBack);
        }
        QCOMPARE(w.tabs->currentWidget(), w.calendarPage);
        QCOMPARE(window->view().anchorDate, D(2013, 12, 9));
        QCOMPARE(window->view().shownDate, D(2014, 3, 31));
        QCOMPARE(w.title->text(), QStringLiteral("Tornvale - 3 TWT"));
        // 2014-03-31 is position 113 of assignment 3's pattern, a work day.
        QCOMPARE(w.status->text(), QStringLiteral("3/31/2014\nWork"));
    }

    void aClickOnTheActiveTabRebuildsNothing() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        QCOMPARE(w.tabs->currentWidget(), w.settingsPage);
        Click(w.weekStart);
        ClickTabHeader(*window, 1);
        QCOMPARE(w.tabs->currentWidget(), w.settingsPage);
        QCOMPARE(window->monthPage().weekdayLabels[0], QStringLiteral("Sun"));
        ClickTabHeader(*window, 3);
        QCOMPARE(window->monthPage().weekdayLabels[0], QStringLiteral("Mon"));
    }

    void backButtonsReturnToTheCalendar_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("from Settings") << 1;
        QTest::newRow("from Help") << 2;
        QTest::newRow("from About") << 3;
    }
    void backButtonsReturnToTheCalendar() {
        QFETCH(int, tab);
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        ClickTabHeader(*window, tab);
        QToolButton* back = tab == 1 ? w.settingsBack : tab == 2 ? w.helpBack : w.aboutBack;
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(w.tabs->currentWidget(), w.calendarPage);
    }

    // Every control a user reaches is in the window, each page under its tab.
    void everyControlIsInTheTree() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window); // stops the test at the first one missing
        QCOMPARE(w.tabs->widget(0), w.calendarPage);
        QCOMPARE(w.tabs->widget(1), w.settingsPage);
        QCOMPARE(w.tabs->widget(2), w.helpPage);
        QCOMPARE(w.tabs->widget(3), w.aboutPage);
        QVERIFY(w.helpPage->findChild<SvgPicture*>(QStringLiteral("helpPicture")));
        QVERIFY(w.aboutPage->findChild<SvgPicture*>(QStringLiteral("sextantPicture")));
        QCOMPARE(window->objectName(), QStringLiteral("mainWindow"));
        const QStringList headers = {"Calendar", "Settings", "Help", "About"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(ControlsOf(*window).tabs->tabText(i), headers[i]);
        QCOMPARE(ControlsOf(*window).tabs->tabBar()->height(), 49);
    }
};

QTEST_MAIN(TestTabsAndStartup)
#include "test_tabs_and_startup.moc"
