// The date field below the month follows the selected day, and a date typed into it with the
// keys moves the calendar when Enter is pressed or the field is left; the picker's limits hold.

#include "window_fixture.h"

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kCrew5 = "[Config]\nWorkAssign=5 TFS\n";

// Tabs from the month view to the date field, past the Today button, as a keyboard user does.
void TabToDateField(MainWindow& window) {
    const Controls w = ControlsOf(window);
    for (int step = 0; step < 4 && !w.dateField->hasFocus(); ++step)
        QTest::keyClick(KeyTarget(window), Qt::Key_Tab);
}

} // namespace

class TestDateField : public QObject {
    Q_OBJECT
private slots:
    void followsTheSelection_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<QDate>("day");
        // Today is Friday 2023-09-15; September 2023 starts on a Friday, in cell 5.
        QTest::newRow("Right") << "right" << QDate(2023, 9, 16);
        QTest::newRow("Page Down") << "pagedown" << QDate(2023, 10, 15);
        QTest::newRow("next month button") << "next" << QDate(2023, 10, 15);
        QTest::newRow("click on a day") << "click" << QDate(2023, 9, 27);
    }
    void followsTheSelection() {
        QFETCH(QString, move);
        QFETCH(QDate, day);
        auto window = ShownWindow(QDate(2023, 9, 15), kCrew5);
        const Controls w = ControlsOf(*window);
        if (move == QLatin1String("right"))
            QTest::keyClick(KeyTarget(*window), Qt::Key_Right);
        else if (move == QLatin1String("pagedown"))
            QTest::keyClick(KeyTarget(*window), Qt::Key_PageDown);
        else if (move == QLatin1String("next"))
            Click(w.nextMonth);
        else
            ClickCell(*window, 5 + 27 - 1);
        QCOMPARE(w.dateField->date(), day);
        // As an American writes a date, with the whole year.
        QCOMPARE(w.dateField->text(), day.toString(QStringLiteral("M/d/yyyy")));
    }

    void aTypedDateMovesTheCalendar_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("endKey");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("Enter") << "12/25/2024" << int(Qt::Key_Return) << QDate(2024, 12, 25);
        QTest::newRow("leaving the field") << "7/4/2024" << int(Qt::Key_Tab) << QDate(2024, 7, 4);
        QTest::newRow("ISO, in any language")
            << "2024-12-25" << int(Qt::Key_Return) << QDate(2024, 12, 25);
        QTest::newRow("the first day the picker allows")
            << "3/31/2014" << int(Qt::Key_Return) << QDate(2014, 3, 31);
        QTest::newRow("before the first day the picker allows")
            << "5/5/2010" << int(Qt::Key_Return) << QDate(2014, 3, 31);
        QTest::newRow("the last day the picker allows")
            << "2100-12-31" << int(Qt::Key_Return) << QDate(2100, 12, 31);
    }
    void aTypedDateMovesTheCalendar() {
        QFETCH(QString, typed);
        QFETCH(int, endKey);
        QFETCH(QDate, shown);
        auto window = ShownWindow(QDate(2023, 9, 15), kCrew5);
        const Controls w = ControlsOf(*window);
        TabToDateField(*window);
        QVERIFY(w.dateField->hasFocus());
        QTest::keyClicks(w.dateField, typed);
        // Nothing moves while the user types.
        QCOMPARE(window->view().shownDate, D(2023, 9, 15));
        QTest::keyClick(w.dateField, Qt::Key(endKey));
        QCOMPARE(window->view().shownDate, shown);
        // Like a day picked in the drop-down, End returns to it.
        QCOMPARE(window->view().markedDate, shown);
        QCOMPARE(w.dateField->date(), shown);
        // Enter hands the keys back to the days; Tab goes on as it always does.
        QCOMPARE(w.monthView->hasFocus(), endKey == Qt::Key_Return);
        QVERIFY(!w.dateField->hasFocus());
    }

    // Passing through the field moves nothing, and End still returns where it did.
    void leavingTheFieldUnchangedMovesNothing() {
        auto window = ShownWindow(QDate(2023, 9, 15), kCrew5);
        const Controls w = ControlsOf(*window);
        QTest::keyClick(KeyTarget(*window), Qt::Key_Right);
        QTest::keyClick(KeyTarget(*window), Qt::Key_Home);
        TabToDateField(*window);
        QVERIFY(w.dateField->hasFocus());
        QTest::keyClick(w.dateField, Qt::Key_Tab);
        QCOMPARE(window->view().shownDate, D(2023, 9, 15));
        QCOMPARE(window->view().markedDate, D(2023, 9, 16));
    }
};

QTEST_MAIN(TestDateField)
#include "test_date_field.moc"
