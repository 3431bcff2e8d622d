#include "calendar/date_moves.h"

#include <QDate>
#include <QTest>

using namespace dutyloop;

class TestDateMoves : public QObject {
    Q_OBJECT
private slots:
    // Page Down goes a month forward, Page Up a month back.
    void monthSteps_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("to");
        QTest::newRow("Jan 31 forward to Feb 29 in a leap year")
            << QDate(2024, 1, 31) << 1 << QDate(2024, 2, 29);
        QTest::newRow("Feb 29 forward to Mar 29, the cut day not remembered")
            << QDate(2024, 2, 29) << 1 << QDate(2024, 3, 29);
        QTest::newRow("Jan 31 forward to Feb 28 in a common year")
            << QDate(2023, 1, 31) << 1 << QDate(2023, 2, 28);
        QTest::newRow("Mar 31 back to Feb 28") << QDate(2023, 3, 31) << -1 << QDate(2023, 2, 28);
        QTest::newRow("century not a leap year") << QDate(2100, 3, 30) << -1 << QDate(2100, 2, 28);
        QTest::newRow("400th year is a leap year")
            << QDate(2000, 3, 30) << -1 << QDate(2000, 2, 29);
        QTest::newRow("May 31 forward to Jun 30") << QDate(2024, 5, 31) << 1 << QDate(2024, 6, 30);
        QTest::newRow("December forward into January")
            << QDate(2023, 12, 15) << 1 << QDate(2024, 1, 15);
        QTest::newRow("January back into December")
            << QDate(2024, 1, 15) << -1 << QDate(2023, 12, 15);
        QTest::newRow("first month of the calendar: back stays")
            << QDate(1, 1, 20) << -1 << QDate(1, 1, 20);
        QTest::newRow("first month of the calendar: forward goes")
            << QDate(1, 1, 31) << 1 << QDate(1, 2, 28);
        QTest::newRow("last month of the calendar: forward stays")
            << QDate(9999, 12, 31) << 1 << QDate(9999, 12, 31);
        QTest::newRow("last month of the calendar: back goes")
            << QDate(9999, 12, 31) << -1 << QDate(9999, 11, 30);
    }
    void monthSteps() {
        QFETCH(QDate, from);
        QFETCH(int, months);
        QFETCH(QDate, to);
        const int key = months > 0 ? Qt::Key_PageDown : Qt::Key_PageUp;
        QCOMPARE(KeyMoveFor(key, from, QDate(2024, 5, 10), QDate(2026, 12, 10)).shownDate, to);
    }

    void keys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QDate>("expected");
        QTest::addColumn<bool>("marks");
        const QDate marked(2024, 5, 10);
        const QDate today(2026, 12, 10);
        QTest::newRow("PageUp: month back")
            << int(Qt::Key_PageUp) << QDate(2023, 3, 31) << QDate(2023, 2, 28) << true;
        QTest::newRow("PageDown: month forward")
            << int(Qt::Key_PageDown) << QDate(2024, 1, 31) << QDate(2024, 2, 29) << true;
        QTest::newRow("End: the marked date")
            << int(Qt::Key_End) << QDate(2030, 1, 1) << marked << false;
        QTest::newRow("Home: today") << int(Qt::Key_Home) << QDate(2030, 1, 1) << today << false;
        QTest::newRow("Left on the 1st: last day of the month before")
            << int(Qt::Key_Left) << QDate(2024, 3, 1) << QDate(2024, 2, 29) << true;
        QTest::newRow("Up: a week back")
            << int(Qt::Key_Up) << QDate(2024, 3, 3) << QDate(2024, 2, 25) << true;
        QTest::newRow("Right across the year")
            << int(Qt::Key_Right) << QDate(2023, 12, 31) << QDate(2024, 1, 1) << true;
        QTest::newRow("Down: a week on")
            << int(Qt::Key_Down) << QDate(2024, 2, 26) << QDate(2024, 3, 4) << true;
        QTest::newRow("a letter changes nothing")
            << int('A') << QDate(2024, 2, 26) << QDate(2024, 2, 26) << false;
        QTest::newRow("Left at the calendar's first day stays")
            << int(Qt::Key_Left) << QDate(1, 1, 1) << QDate(1, 1, 1) << true;
        QTest::newRow("Down near the calendar's last day stays")
            << int(Qt::Key_Down) << QDate(9999, 12, 28) << QDate(9999, 12, 28) << true;
        QTest::newRow("Up near the calendar's first day stays")
            << int(Qt::Key_Up) << QDate(1, 1, 3) << QDate(1, 1, 3) << true;
    }
    void keys() {
        QFETCH(int, key);
        QFETCH(QDate, shown);
        QFETCH(QDate, expected);
        QFETCH(bool, marks);
        const KeyMove move = KeyMoveFor(key, shown, QDate(2024, 5, 10), QDate(2026, 12, 10));
        QCOMPARE(move.shownDate, expected);
        QCOMPARE(move.marksDate, marks);
    }

    void pickerLimits_data() {
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("before the first limit") << QDate(2010, 5, 5) << QDate(2014, 3, 31);
        QTest::newRow("the first limit itself") << QDate(2014, 3, 31) << QDate(2014, 3, 31);
        QTest::newRow("inside") << QDate(2024, 5, 10) << QDate(2024, 5, 10);
        QTest::newRow("the last limit itself") << QDate(2100, 12, 31) << QDate(2100, 12, 31);
        QTest::newRow("after the last limit") << QDate(2101, 1, 1) << QDate(2100, 12, 31);
    }
    void pickerLimits() {
        QFETCH(QDate, picked);
        QFETCH(QDate, shown);
        QCOMPARE(ClampToPicker(picked), shown);
    }
};

QTEST_APPLESS_MAIN(TestDateMoves)
#include "test_date_moves.moc"
