// The month view as a screen reader meets it: a table of six weeks under the weekday names,
// whose days are items read alone,
// whose focused cell follows the selected day wherever the selection moves, and tells of it.

#include "accessibility_listener.h"

#include <QPushButton>
#include <QRegularExpression>

using namespace dutyloop;
using namespace dutyloop::testing;

class TestMonthTable : public QObject {
    Q_OBJECT
private slots:
    void init() { DUTYLOOP_HEAR_OR_SKIP(); }
    void cleanup() { StopHearing(); }

    // Crew 5 TFS from Thursday 2024-05-16 (work), reached by the picker on 2024-05-10 and a
    // click; today is 2023-09-15. The duties are read from the rotation pattern by hand.
    void keysMoveTheFocusToTheNewDay_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QChar>("duty");
        const QDate from(2024, 5, 16);
        QTest::newRow("Right") << int(Qt::Key_Right) << from.addDays(1) << QChar('L');
        QTest::newRow("Left") << int(Qt::Key_Left) << from.addDays(-1) << QChar('K');
        QTest::newRow("Down") << int(Qt::Key_Down) << from.addDays(7) << QChar('L');
        QTest::newRow("Up") << int(Qt::Key_Up) << from.addDays(-7) << QChar('K');
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << from.addMonths(1) << QChar('K');
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << from.addMonths(-1) << QChar('K');
        QTest::newRow("Home, today") << int(Qt::Key_Home) << QDate(2023, 9, 15) << QChar('K');
        QTest::newRow("End, the day picked")
            << int(Qt::Key_End) << QDate(2024, 5, 10) << QChar('K');
    }
    void keysMoveTheFocusToTheNewDay() {
        QFETCH(int, key);
        QFETCH(QDate, day);
        QFETCH(QChar, duty);
        auto window = ShownWindow();
        ChooseAssignment(*window, "5 TFS");
        PickDate(*window, QDate(2024, 5, 10));
        // May 2024 starts on a Wednesday: with weeks from Sunday, the 1st is in cell 3.
        ClickCell(*window, 3 + 16 - 1);
        Heard().clear();

        QTest::keyClick(KeyTarget(*window), Qt::Key(key));
        QAccessibleInterface* view =
            QAccessible::queryAccessibleInterface(ControlsOf(*window).monthView);
        QAccessibleInterface* focused = view->focusChild();
        QVERIFY(focused);
        // An item of the table, read alone: a table cell would be read with its whole week.
        QCOMPARE(focused->role(), QAccessible::ListItem);
        QCOMPARE(focused->text(QAccessible::Name), SpokenDay(day, duty, QDate(2023, 9, 15)));
        QVERIFY(focused->state().focused);
        QVERIFY(focused->state().selected);
        QCOMPARE(HeardAbout(QAccessible::Focus).count(focused), 1);
        QCOMPARE(LastFocused(), focused);
        // The cell is where the day stands in the grid: row and column from the 1st's weekday.
        const QDate first(day.year(), day.month(), 1);
        const int cell = first.dayOfWeek() % 7 + day.day() - 1;
        QAccessibleTableCellInterface* tableCell = focused->tableCellInterface();
        QVERIFY(tableCell);
        QCOMPARE(tableCell->rowIndex(), cell / 7);
        QCOMPARE(tableCell->columnIndex(), cell % 7);
        QCOMPARE(MonthTable(*window)->selectedCells(), QList<QAccessibleInterface*>{focused});
    }

    // A click, Today, the picker and a key pressed on a button move the focus to the new day too.
    void everyWayToADaySaysIt_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QDate>("day");
        QTest::newRow("a click") << "click" << QDate(2023, 9, 20);
        QTest::newRow("Today") << "today" << QDate(2023, 9, 15);
        QTest::newRow("the picker") << "picker" << QDate(2024, 2, 29);
        QTest::newRow("a key on the Today button") << "key on a button" << QDate(2023, 9, 17);
    }
    void everyWayToADaySaysIt() {
        QFETCH(QString, way);
        QFETCH(QDate, day);
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        ChooseAssignment(*window, "5 TFS");
        QTest::keyClick(KeyTarget(*window), Qt::Key_Right);
        Heard().clear();
        if (way == QLatin1String("click"))
            ClickCell(*window, 5 + 20 - 1); // September 2023 starts on a Friday
        else if (way == QLatin1String("today"))
            Click(w.today);
        else if (way == QLatin1String("picker"))
            PickDate(*window, day);
        else {
            QVERIFY(TabTo(w.today));
            QTest::keyClick(w.today, Qt::Key_Right);
        }
        QAccessibleInterface* focused =
            QAccessible::queryAccessibleInterface(w.monthView)->focusChild();
        QVERIFY(focused);
        // Today, 2023-09-15, is said to be today before its date.
        QVERIFY(focused->text(QAccessible::Name)
                    .remove(QRegularExpression(QStringLiteral("^Today, ")))
                    .startsWith(QLocale(QLocale::English, QLocale::UnitedStates)
                                    .toString(day, QLocale::LongFormat)));
        QTRY_COMPARE(LastFocused(), focused);
    }

    void theMonthIsATable_data() {
        QTest::addColumn<bool>("mondays");
        QTest::addColumn<QStringList>("headers");
        QTest::newRow("weeks from Sunday")
            << false << QStringList{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                    "Thursday", "Friday", "Saturday"};
        QTest::newRow("weeks from Monday")
            << true << QStringList{"Monday", "Tuesday",  "Wednesday", "Thursday",
                                   "Friday", "Saturday", "Sunday"};
    }
    void theMonthIsATable() {
        QFETCH(bool, mondays);
        QFETCH(QStringList, headers);
        auto window = ShownWindow();
        if (mondays) {
            OpenTab(*window, ControlsOf(*window).settingsPage);
            SetWeekStartSwitch(*window, true);
            Click(ControlsOf(*window).settingsBack);
        }
        QAccessibleTableInterface* table = MonthTable(*window);
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->columnCount(), 7);
        QStringList described;
        QStringList headerCells;
        for (int column = 0; column < 7; ++column) {
            described << table->columnDescription(column);
            const auto cells = table->cellAt(5, column)->tableCellInterface()->columnHeaderCells();
            headerCells << (cells.size() == 1 ? cells.first()->text(QAccessible::Name) : QString());
        }
        QCOMPARE(described, headers);
        QCOMPARE(headerCells, headers);
        // The legend stands in the last row, named as the legend.
        QCOMPARE(table->cellAt(5, 5)->text(QAccessible::Name), QStringLiteral("Legend: work days"));
        QCOMPARE(table->cellAt(5, 6)->text(QAccessible::Name),
                 QStringLiteral("Legend: off-duty days"));
        QVERIFY(!table->cellAt(5, 6)->state().selectable);
    }

    // A reader that has read a day's name and crews on duty is told when the next month puts
    // another day in that cell; of a cell it never read there is nothing to tell.
    void aChangedCellIsToldOnlyToWhoReadIt() {
        auto window = ShownWindow(QDate(2023, 9, 15), "[Config]\nWorkAssign=5 TFS\n");
        QAccessibleTableInterface* table = MonthTable(*window);
        QVERIFY(table);
        QAccessibleInterface* read = table->cellAt(2, 3);
        QAccessibleInterface* unread = table->cellAt(2, 4);
        read->text(QAccessible::Name);
        read->text(QAccessible::Description);
        Heard().clear();

        QTest::keyClick(KeyTarget(*window), Qt::Key_PageDown);
        QCOMPARE(HeardAbout(QAccessible::NameChanged).count(read), 1);
        QCOMPARE(HeardAbout(QAccessible::DescriptionChanged).count(read), 1);
        QCOMPARE(HeardAbout(QAccessible::NameChanged).count(unread), 0);
        QCOMPARE(HeardAbout(QAccessible::DescriptionChanged).count(unread), 0);

        // Told once, it is told again only after reading the cell again.
        Heard().clear();
        QTest::keyClick(KeyTarget(*window), Qt::Key_PageDown);
        QCOMPARE(HeardAbout(QAccessible::NameChanged).count(read), 0);
        read->text(QAccessible::Name);
        Heard().clear();
        QTest::keyClick(KeyTarget(*window), Qt::Key_PageDown);
        QCOMPARE(HeardAbout(QAccessible::NameChanged).count(read), 1);
    }

    // The month buttons keep the focus as they page; the month and the day reached are said.
    void theMonthButtonsSayWhereTheyWent() {
        auto window = ShownWindow(); // today 2023-09-15, no rotation: days named by date
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.calendarPage);
        QVERIFY(TabTo(w.nextMonth));
        Heard().clear();
        QTest::keyClick(w.nextMonth, Qt::Key_Space);
        QTRY_COMPARE(Announced(), QStringList{"October 2023. Sunday, October 15, 2023"});
        QVERIFY(w.nextMonth->hasFocus());
        // Where the days have the focus, the day is read there and not said besides.
        w.calendarPage->focusMonthView();
        Heard().clear();
        QTest::keyClick(KeyTarget(*window), Qt::Key_PageDown);
        QTest::qWait(50);
        QCOMPARE(Announced(), QStringList{});
    }

    // A reader that read the state of a day while the calendar was hidden keeps it as hidden
    // until told that it shows again; it is told as the calendar comes back, of the days it
    // read, and of no others.
    void daysReadWhileHiddenAreToldToShow() {
        auto window = ShownWindow(QDate(2023, 9, 15), "[Config]\nWorkAssign=5 TFS\n");
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        QAccessibleTableInterface* table = MonthTable(*window);
        QAccessibleInterface* read = table->cellAt(3, 4);
        QAccessibleInterface* unread = table->cellAt(3, 5);
        QVERIFY(read->state().invisible);
        Heard().clear();
        OpenTab(*window, w.calendarPage);
        QCOMPARE(HeardAbout(QAccessible::ObjectShow).count(read), 1);
        QCOMPARE(HeardAbout(QAccessible::ObjectShow).count(unread), 0);
        QVERIFY(!read->state().invisible);
        // Told once, it is not told again without a new reading while hidden.
        OpenTab(*window, w.settingsPage);
        Heard().clear();
        OpenTab(*window, w.calendarPage);
        QCOMPARE(HeardAbout(QAccessible::ObjectShow).count(read), 0);
    }

    // The view has the focus as the Calendar tab shows, so the keys are read from the start;
    // leaving the tab and coming back gives it the focus again.
    void theCalendarTabFocusesTheSelectedDay() {
        auto window = ShownWindow(QDate(2023, 9, 15), "[Config]\nWorkAssign=5 TFS\n");
        const Controls w = ControlsOf(*window);
        QVERIFY(w.monthView->hasFocus());
        QAccessibleInterface* focused =
            QAccessible::queryAccessibleInterface(w.monthView)->focusChild();
        QVERIFY(focused);
        QCOMPARE(focused->text(QAccessible::Name),
                 SpokenDay(QDate(2023, 9, 15), 'K', QDate(2023, 9, 15)));
        OpenTab(*window, w.helpPage);
        Heard().clear();
        QTest::keyClick(KeyTarget(*window), Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(KeyTarget(*window), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.tabs->currentWidget(), w.calendarPage);
        QVERIFY(w.monthView->hasFocus());
        QTRY_COMPARE(LastFocused(), focused);
    }
};

QTEST_MAIN(TestMonthTable)
#include "test_month_table.moc"
