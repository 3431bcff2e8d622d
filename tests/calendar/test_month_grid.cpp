#include "calendar/month_grid.h"

#include <QDate>
#include <QTest>

using namespace dutyloop;

Q_DECLARE_METATYPE(dutyloop::WeekStart)

class TestMonthGrid : public QObject {
    Q_OBJECT
private slots:
    void knownMonths_data() {
        QTest::addColumn<WeekStart>("weekStart");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("cell0");
        QTest::addColumn<int>("lastDayCell");
        QTest::newRow("October 2023, weeks from Sunday: the 1st in cell 0")
            << WeekStart::Sunday << QDate(2023, 10, 17) << QDate(2023, 10, 1) << 30;
        QTest::newRow("October 2023, weeks from Monday: six leading days")
            << WeekStart::Monday << QDate(2023, 10, 17) << QDate(2023, 9, 25) << 36;
        QTest::newRow("February 2026, weeks from Sunday: 28th in cell 27")
            << WeekStart::Sunday << QDate(2026, 2, 10) << QDate(2026, 2, 1) << 27;
        QTest::newRow("January 2024, weeks from Monday: the 1st in cell 0")
            << WeekStart::Monday << QDate(2024, 1, 31) << QDate(2024, 1, 1) << 30;
        QTest::newRow("January 2024, weeks from Sunday: one leading day")
            << WeekStart::Sunday << QDate(2024, 1, 1) << QDate(2023, 12, 31) << 31;
    }
    void knownMonths() {
        QFETCH(WeekStart, weekStart);
        QFETCH(QDate, date);
        QFETCH(QDate, cell0);
        QFETCH(int, lastDayCell);
        const CellDates cells =
            CellDatesFor(QDate(date.year(), date.month(), date.day()), weekStart);
        QCOMPARE(cells[0], QDate(cell0.year(), cell0.month(), cell0.day()));
        const QDate lastDay = QDate(date.year(), date.month(), date.daysInMonth());
        QCOMPARE(cells[static_cast<std::size_t>(lastDayCell)], lastDay);
        // Every cell after the last day belongs to the following month, from its 1st on.
        for (int i = lastDayCell + 1; i < kCellCount; ++i)
            QCOMPARE((cells[static_cast<std::size_t>(i)]).day(), i - lastDayCell);
    }

    void buildSetsShownDateToTheDateItself() {
        CalendarView view;
        BuildMonthGrid(view, QDate(2024, 5, 17), WeekStart::Sunday);
        QCOMPARE(view.shownDate, QDate(2024, 5, 17));
        QCOMPARE(view.cellDates[0], QDate(2024, 4, 28));
    }

    // For every month of years 1 to 9999 and both week starts: 42 consecutive days, the 1st in
    // the column of its weekday (by QDate), the last day at index 36 at most.
    void everyMonthOfTheCalendar() {
        for (const WeekStart weekStart : {WeekStart::Sunday, WeekStart::Monday}) {
            for (int year = 1; year <= 9999; ++year) {
                for (int month = 1; month <= 12; ++month) {
                    const QDate first(year, month, 1);
                    const int lastDay = first.daysInMonth();
                    const QDate shown = QDate(year, month, (year * 7 + month) % lastDay + 1);
                    const CellDates cells = CellDatesFor(shown, weekStart);
                    for (int i = 1; i < kCellCount; ++i) {
                        if (cells[static_cast<std::size_t>(i)] != cells[0].addDays(i))
                            QFAIL("cells are not consecutive");
                    }
                    const int qtWeekday = first.dayOfWeek(); // Monday 1 .. Sunday 7
                    const int expectedColumn =
                        weekStart == WeekStart::Monday ? qtWeekday - 1 : qtWeekday % 7;
                    if (cells[static_cast<std::size_t>(expectedColumn)] != first)
                        QFAIL(qPrintable(QStringLiteral("%1-%2: the 1st is not in column %3")
                                             .arg(year)
                                             .arg(month)
                                             .arg(expectedColumn)));
                    if (first.addDays(lastDay - 1) > cells[36])
                        QFAIL("the last day lies beyond cell 36");
                    if (shown < cells[0] || shown > cells[36])
                        QFAIL("the shown date is not in cells 0 to 36");
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestMonthGrid)
#include "test_month_grid.moc"
