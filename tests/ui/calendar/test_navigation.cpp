#include "window_fixture.h"

#include "ui/settings/toggle_switch.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {
void OpenCalendar(MainWindow& window) {
    OpenTab(window, ControlsOf(window).calendarPage);
}

int CellOf(const MainWindow& window, QDate date) {
    return static_cast<int>(window.view().cellDates[0].daysTo(date));
}
} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void monthButtons_data() {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QDate>("after");
        QTest::newRow("Jan 31, 2024 next: Feb 29")
            << QDate(2024, 1, 31) << "nextMonthButton" << QDate(2024, 2, 29);
        QTest::newRow("Mar 31, 2023 previous: Feb 28")
            << QDate(2023, 3, 31) << "previousMonthButton" << QDate(2023, 2, 28);
        QTest::newRow("Dec 15, 2023 next: Jan 15, 2024")
            << QDate(2023, 12, 15) << "nextMonthButton" << QDate(2024, 1, 15);
    }
    void monthButtons() {
        QFETCH(QDate, start);
        QFETCH(QString, button);
        QFETCH(QDate, after);
        auto window = ShownWindow();
        OpenCalendar(*window);
        PickDate(*window, start);
        const QDate marked = window->view().markedDate;
        Click(window->findChild<QPushButton*>(button));
        QCOMPARE(window->view().shownDate, after);
        QCOMPARE(window->view().markedDate, marked);
        // The grid was rebuilt around the new month.
        QCOMPARE(window->view().cellDates[7].month(), after.month());
    }

    void nextTwiceFromJanuary31() {
        auto window = ShownWindow();
        OpenCalendar(*window);
        PickDate(*window, QDate(2024, 1, 31));
        Click(ControlsOf(*window).nextMonth);
        Click(ControlsOf(*window).nextMonth);
        QCOMPARE(window->view().shownDate, QDate(2024, 3, 29));
    }

    void monthButtonsRepeatWhileHeld() {
        auto window = ShownWindow();
        QVERIFY(ControlsOf(*window).previousMonth->autoRepeat());
        QVERIFY(ControlsOf(*window).nextMonth->autoRepeat());
    }

    void leftArrowOnTheFirst() {
        auto window = ShownWindow();
        OpenCalendar(*window);
        PickDate(*window, QDate(2024, 3, 1));
        QTest::keyClick(KeyTarget(*window), Qt::Key_Left);
        QCOMPARE(window->view().shownDate, D(2024, 2, 29));
        QCOMPARE(window->view().markedDate, D(2024, 2, 29));
        QCOMPARE(ControlsOf(*window).monthLabel->text(), QStringLiteral("Feb 2024"));
        QCOMPARE(window->monthPage()
                     .cells[static_cast<std::size_t>(CellOf(*window, D(2024, 2, 29)))]
                     .fill,
                 0xFFC0C0C0u); // the agency-wide entry marks the selection in LeadTrailColor
    }

    void focusFollowsTheSelectionFromADayCell() {
        auto window = ShownWindow();
        OpenCalendar(*window);
        PickDate(*window, QDate(2024, 5, 10));
        ClickCell(*window, CellOf(*window, D(2024, 5, 15)));
        QVERIFY(CellHasFocus(*window, CellOf(*window, D(2024, 5, 15))));
        QTest::keyClick(KeyTarget(*window), Qt::Key_Down);
        QVERIFY(CellHasFocus(*window, CellOf(*window, D(2024, 5, 22))));
        QTest::keyClick(KeyTarget(*window), Qt::Key_PageDown);
        QCOMPARE(window->view().shownDate, D(2024, 6, 22));
        QVERIFY(CellHasFocus(*window, CellOf(*window, D(2024, 6, 22))));
    }

    // Today is 2023-09-15; the day picked, 2024-05-10, is the marked one End returns to.
    void keysWorkFromAFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("after");
        QTest::addColumn<bool>("onTheDays");
        QTest::newRow("Down on the next month button")
            << "nextMonthButton" << int(Qt::Key_Down) << D(2024, 5, 17) << true;
        QTest::newRow("Page Down on the next month button")
            << "nextMonthButton" << int(Qt::Key_PageDown) << D(2024, 6, 10) << true;
        QTest::newRow("Page Up on the previous month button")
            << "previousMonthButton" << int(Qt::Key_PageUp) << D(2024, 4, 10) << true;
        QTest::newRow("Home on the Today button")
            << "todayButton" << int(Qt::Key_Home) << D(2023, 9, 15) << true;
        QTest::newRow("End on the next month button")
            << "nextMonthButton" << int(Qt::Key_End) << D(2024, 5, 10) << true;
        // Enter presses the button as Space does, and the button keeps the focus.
        QTest::newRow("Enter on the next month button")
            << "nextMonthButton" << int(Qt::Key_Return) << D(2024, 6, 10) << false;
        QTest::newRow("Space on the previous month button")
            << "previousMonthButton" << int(Qt::Key_Space) << D(2024, 4, 10) << false;
    }
    void keysWorkFromAFocusedButton() {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(QDate, after);
        QFETCH(bool, onTheDays);
        auto window = ShownWindow();
        OpenCalendar(*window);
        PickDate(*window, QDate(2024, 5, 10));
        // A click chooses a day without marking it; End returns to the day marked.
        if (key == Qt::Key_End)
            ClickCell(*window, CellOf(*window, D(2024, 5, 11)));
        auto* pressed = window->findChild<QPushButton*>(button);
        QVERIFY(TabTo(pressed));
        QTest::keyClick(pressed, Qt::Key(key));
        QCOMPARE(window->view().shownDate, after);
        // The days take the focus from the button for the keys that move the day, so that a
        // screen reader reads the day where the focus is.
        QCOMPARE(ControlsOf(*window).monthView->hasFocus(), onTheDays);
        QCOMPARE(pressed->hasFocus(), !onTheDays);
    }

    void clickOnALeadingOrTrailingCellChangesNothing_data() {
        QTest::addColumn<int>("cell");
        // May 2024, weeks from Sunday: cells 0 to 2 are April 28 to 30, the 31st is cell 33.
        QTest::newRow("leading day") << 1;
        QTest::newRow("trailing day in a clickable cell") << 35;
        QTest::newRow("cell 37 takes no clicks") << 37;
        QTest::newRow("legend cell") << 41;
    }
    void clickOnALeadingOrTrailingCellChangesNothing() {
        QFETCH(int, cell);
        auto window = ShownWindow();
        OpenCalendar(*window);
        PickDate(*window, QDate(2024, 5, 10));
        QVERIFY(TabTo(ControlsOf(*window).today));
        const CalendarView before = window->view();
        ClickCell(*window, cell);
        QCOMPARE(window->view().shownDate, before.shownDate);
        QCOMPARE(window->view().markedDate, before.markedDate);
        QCOMPARE(window->view().cellDates, before.cellDates);
        QVERIFY(ControlsOf(*window).today->hasFocus());
    }

    void clickOnADayNumberSelectsItsCell() {
        auto window = ShownWindow();
        OpenCalendar(*window);
        PickDate(*window, QDate(2024, 5, 10));
        const CalendarView before = window->view();
        const int cell = CellOf(*window, D(2024, 5, 22));
        ClickCell(*window, cell);
        QCOMPARE(window->view().shownDate, D(2024, 5, 22));
        QCOMPARE(window->view().cellDates, before.cellDates);
        QCOMPARE(window->view().markedDate, before.markedDate);
        QVERIFY(CellHasFocus(*window, cell));
        QCOMPARE(window->monthPage().cells[static_cast<std::size_t>(cell)].fill, 0xFFC0C0C0u);
    }

    void pickerLimits_data() {
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("before 2014-03-31") << QDate(2010, 5, 5) << QDate(2014, 3, 31);
        QTest::newRow("after 2100-12-31") << QDate(2101, 2, 1) << QDate(2100, 12, 31);
        QTest::newRow("the first limit itself") << QDate(2014, 3, 31) << QDate(2014, 3, 31);
    }
    void pickerLimits() {
        QFETCH(QDate, picked);
        QFETCH(QDate, shown);
        auto window = ShownWindow();
        PickDate(*window, picked);
        QCOMPARE(window->view().shownDate, shown);
        QCOMPARE(window->view().markedDate, shown);
        // The field follows the selection, so it shows the day within the limits.
        QCOMPARE(ControlsOf(*window).dateField->date(), shown);
        QCOMPARE(ControlsOf(*window).dateField->text(), shown.toString(QStringLiteral("M/d/yyyy")));
        QVERIFY(!ControlsOf(*window).dateField->hasFocus());
    }

    void aDayPickedWithTheKeysInTheDropDown() {
        auto window = ShownWindow();
        OpenCalendar(*window);
        QCalendarWidget* calendar = OpenDatePicker(*window);
        QWidget* days = calendar->findChild<QTableView*>();
        QVERIFY(days);
        QTest::keyClick(days, Qt::Key_PageDown);
        QTest::keyClick(days, Qt::Key_Right);
        QTest::keyClick(days, Qt::Key_Return);
        QTRY_VERIFY(!calendar->window()->isVisible());
        QCOMPARE(window->view().shownDate, D(2023, 10, 16));
        QCOMPARE(window->view().markedDate, D(2023, 10, 16));
    }

    void endReturnsToTheMarkedDate_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("two months on, then End") << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown};
        QTest::newRow("Home, then End") << QList<int>{Qt::Key_Home};
    }
    void endReturnsToTheMarkedDate() {
        QFETCH(QList<int>, keys);
        auto window = ShownWindow();
        OpenCalendar(*window);
        PickDate(*window, QDate(2024, 5, 10));
        if (keys.first() == Qt::Key_PageDown) {
            Click(ControlsOf(*window).nextMonth);
            Click(ControlsOf(*window).nextMonth);
        } else {
            QTest::keyClick(KeyTarget(*window), Qt::Key_Home);
            QCOMPARE(window->view().shownDate, D(2023, 9, 15));
        }
        QTest::keyClick(KeyTarget(*window), Qt::Key_End);
        QCOMPARE(window->view().shownDate, D(2024, 5, 10));
    }

    void endBeforeAnyMarkReturnsToTheStartDay() {
        auto window = ShownWindow();
        OpenCalendar(*window);
        Click(ControlsOf(*window).nextMonth);
        QTest::keyClick(KeyTarget(*window), Qt::Key_End);
        QCOMPARE(window->view().shownDate, D(2023, 9, 15));
    }

    // The keys belong to the window: they move the calendar from any tab.
    void keysOnEveryTab_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("Calendar") << 0;
        QTest::newRow("Settings") << 1;
        QTest::newRow("Help") << 2;
        QTest::newRow("About") << 3;
    }
    void keysOnEveryTab() {
        QFETCH(int, tab);
        // With a crew saved: without one, the window opens on the Settings tab's list, which
        // answers Page Up itself.
        auto window = ShownWindow(QDate(2023, 9, 15), "[Config]\nWorkAssign=5 TFS\n");
        const Controls w = ControlsOf(*window);
        OpenCalendar(*window);
        PickDate(*window, QDate(2024, 5, 10));
        OpenTab(*window, w.tabs->widget(tab));
        QTest::keyClick(KeyTarget(*window), Qt::Key_PageUp);
        QCOMPARE(window->view().shownDate, D(2024, 4, 10));
        QTest::keyClick(KeyTarget(*window), Qt::Key_A);
        QTest::keyClick(KeyTarget(*window), Qt::Key_F5);
        QCOMPARE(window->view().shownDate, D(2024, 4, 10));
    }

    // A key not in the table still rebuilds and redraws the calendar, seen here through the
    // week-start switch, which has no handler of its own.
    void aKeyNotInTheTableRedraws() {
        auto window = ShownWindow(QDate(2024, 4, 10));
        const Controls w = ControlsOf(*window);
        QCOMPARE(w.tabs->currentWidget(), w.settingsPage);
        Click(w.weekStart);
        QCOMPARE(window->monthPage().weekdayLabels[0], QStringLiteral("Sun"));
        QTest::keyClick(KeyTarget(*window), Qt::Key_A);
        QCOMPARE(window->view().shownDate, D(2024, 4, 10));
        QCOMPARE(window->monthPage().weekdayLabels[0], QStringLiteral("Mon"));
        QCOMPARE(window->view().cellDates[0], D(2024, 4, 1));
    }

    void keyTable_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<bool>("marks");
        QTest::newRow("PageDown") << int(Qt::Key_PageDown) << QDate(2024, 6, 10) << true;
        QTest::newRow("Up") << int(Qt::Key_Up) << QDate(2024, 5, 3) << true;
        QTest::newRow("Down") << int(Qt::Key_Down) << QDate(2024, 5, 17) << true;
        QTest::newRow("Right") << int(Qt::Key_Right) << QDate(2024, 5, 11) << true;
        QTest::newRow("Home") << int(Qt::Key_Home) << QDate(2023, 9, 15) << false;
        QTest::newRow("Shift+Right moves like Right")
            << int(Qt::Key_Right) << QDate(2024, 5, 11) << true;
    }
    void keyTable() {
        QFETCH(int, key);
        QFETCH(QDate, shown);
        QFETCH(bool, marks);
        auto window = ShownWindow();
        OpenCalendar(*window);
        PickDate(*window, QDate(2024, 5, 10));
        const Qt::KeyboardModifiers modifiers =
            QByteArray(QTest::currentDataTag()).startsWith("Shift") ? Qt::ShiftModifier
                                                                    : Qt::NoModifier;
        QTest::keyClick(KeyTarget(*window), static_cast<Qt::Key>(key), modifiers);
        QCOMPARE(window->view().shownDate, shown);
        QCOMPARE(window->view().markedDate, marks ? shown : QDate(2024, 5, 10));
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
