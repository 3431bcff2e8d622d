// Duty hours as they are lived, across the changes of the clocks of 2027: in Berlin on 28 March
// and 31 October, in New York on 14 March and 7 November. The hours were reckoned with
// python3-dateutil's zone data, apart from the program.

#include "calendar/duty_times.h"

#include <QTest>

using namespace dutyloop;

class TestDutyTimes : public QObject {
    Q_OBJECT
private slots:
    void hoursOfADuty_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("end");
        QTest::addColumn<int>("minutes");
        const QTime seven(7, 0);
        const QTime nineteen(19, 0);
        const QByteArray berlin = "Europe/Berlin";
        const QByteArray newYork = "America/New_York";
        QTest::newRow("Berlin, 24 h from the day before spring")
            << berlin << QDate(2027, 3, 27) << seven << seven << 23 * 60;
        QTest::newRow("Berlin, 24 h from the day of spring")
            << berlin << QDate(2027, 3, 28) << seven << seven << 24 * 60;
        QTest::newRow("Berlin, 24 h from the day after spring")
            << berlin << QDate(2027, 3, 29) << seven << seven << 24 * 60;
        QTest::newRow("Berlin, 24 h from the day before autumn")
            << berlin << QDate(2027, 10, 30) << seven << seven << 25 * 60;
        QTest::newRow("Berlin, 24 h from the day of autumn")
            << berlin << QDate(2027, 10, 31) << seven << seven << 24 * 60;
        QTest::newRow("Berlin, 24 h from the day after autumn")
            << berlin << QDate(2027, 11, 1) << seven << seven << 24 * 60;
        QTest::newRow("Berlin, a night across spring")
            << berlin << QDate(2027, 3, 27) << nineteen << seven << 11 * 60;
        QTest::newRow("Berlin, a night across autumn")
            << berlin << QDate(2027, 10, 30) << nineteen << seven << 13 * 60;
        QTest::newRow("Berlin, a day duty on the day of spring")
            << berlin << QDate(2027, 3, 28) << seven << nineteen << 12 * 60;
        QTest::newRow("New York, 24 h from the day before spring")
            << newYork << QDate(2027, 3, 13) << seven << seven << 23 * 60;
        QTest::newRow("New York, 24 h from the day of spring")
            << newYork << QDate(2027, 3, 14) << seven << seven << 24 * 60;
        QTest::newRow("New York, 24 h from the day before autumn")
            << newYork << QDate(2027, 11, 6) << seven << seven << 25 * 60;
        QTest::newRow("New York, a night across autumn")
            << newYork << QDate(2027, 11, 6) << nineteen << seven << 13 * 60;
        QTest::newRow("New York, Berlin's spring is nothing here")
            << newYork << QDate(2027, 3, 27) << seven << seven << 24 * 60;
        QTest::newRow("UTC, never a change")
            << QByteArray("UTC") << QDate(2027, 3, 27) << seven << seven << 24 * 60;
        // The clocks skip 02:00-03:00 in Berlin on 28 March: a duty from 02:30 starts at 03:30,
        // as RFC 5545 reads a time in the gap.
        QTest::newRow("Berlin, a start the clocks skip")
            << berlin << QDate(2027, 3, 28) << QTime(2, 30) << QTime(6, 0) << 150;
    }
    void hoursOfADuty() {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, day);
        QFETCH(QTime, start);
        QFETCH(QTime, end);
        QFETCH(int, minutes);
        const QTimeZone timeZone(zone);
        QVERIFY(timeZone.isValid());
        QCOMPARE(DutyMinutesOn(day, {start, end}, timeZone), qint64(minutes));
    }

    // March 2027 in Berlin for a crew on duty every Saturday, 07:00 to 07:00: four Saturdays
    // of 24 hours and the one before the spring change of 23.
    void minutesOfAMonth() {
        const DutyOf saturdays = [](QDate day) {
            return day.dayOfWeek() == Qt::Saturday ? DutyCode::Work : DutyCode::Off;
        };
        const qint64 minutes =
            DutyMinutesBetween(QDate(2027, 3, 1), QDate(2027, 3, 31), saturdays, DutyCode::Work,
                               {QTime(7, 0), QTime(7, 0)}, QTimeZone("Europe/Berlin"));
        QCOMPARE(minutes, qint64((3 * 24 + 23) * 60));
    }
};

QTEST_APPLESS_MAIN(TestDutyTimes)
#include "test_duty_times.moc"
