#include "schedule/date.h"

#include <QDate>
#include <QTest>

using namespace dutyloop;

namespace {
// QDate counts Julian days; it is an independent implementation of the Gregorian calendar.
const qint64 kJulianDayOfDay0 = QDate(1899, 12, 30).toJulianDay();

QDate QDateOf(Date date) {
    return QDate::fromJulianDay(kJulianDayOfDay0 + date);
}
} // namespace

class TestDate : public QObject {
    Q_OBJECT
private slots:
    void knownDayNumbers_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("dayNumber");
        QTest::newRow("day 0 is 1899-12-30") << 1899 << 12 << 30 << 0;
        QTest::newRow("picker's first date 2014-03-31") << 2014 << 3 << 31 << 41729;
        QTest::newRow("picker's last date 2100-12-31") << 2100 << 12 << 31 << 73415;
        QTest::newRow("earliest anchor 2013-09-16") << 2013 << 9 << 16 << 41533;
        QTest::newRow("before day 0 is negative") << 1899 << 12 << 29 << -1;
    }
    void knownDayNumbers() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, dayNumber);
        QCOMPARE(DateFromYmd(year, month, day), dayNumber);
        QCOMPARE(YmdFromDate(dayNumber), (YearMonthDay{year, month, day}));
    }

    // Every day of the calendar's span, and a little beyond it on both sides, agrees with
    // QDate in year, month, day, weekday, month length and leap year.
    void agreesWithQDateAcrossTheWholeSpan() {
        for (Date date = kFirstCalendarDate - 400; date <= kLastCalendarDate + 400; ++date) {
            const QDate expected = QDateOf(date);
            const YearMonthDay ymd = YmdFromDate(date);
            // QDate has no year 0; its year -1 is the proleptic year 0.
            const int expectedYear = expected.year() < 0 ? expected.year() + 1 : expected.year();
            if (ymd.year != expectedYear || ymd.month != expected.month() ||
                ymd.day != expected.day())
                QFAIL(qPrintable(QStringLiteral("day %1: got %2-%3-%4, QDate says %5")
                                     .arg(date)
                                     .arg(ymd.year)
                                     .arg(ymd.month)
                                     .arg(ymd.day)
                                     .arg(expected.toString(Qt::ISODate))));
            if (DateFromYmd(ymd.year, ymd.month, ymd.day) != date)
                QFAIL(qPrintable(QStringLiteral("day %1 does not convert back").arg(date)));
            if (IsoWeekday(date) != expected.dayOfWeek())
                QFAIL(qPrintable(QStringLiteral("weekday of day %1").arg(date)));
            if (ymd.day == 1 && ymd.year >= 1 &&
                DaysInMonth(ymd.year, ymd.month) != expected.daysInMonth())
                QFAIL(qPrintable(QStringLiteral("length of month at day %1").arg(date)));
            if (ymd.month == 1 && ymd.day == 1 && ymd.year >= 1 &&
                IsLeapYear(ymd.year) != QDate::isLeapYear(ymd.year))
                QFAIL(qPrintable(QStringLiteral("leap year %1").arg(ymd.year)));
        }
    }

    void spanLimits() {
        QCOMPARE(YmdFromDate(kFirstCalendarDate), (YearMonthDay{1, 1, 1}));
        QCOMPARE(YmdFromDate(kLastCalendarDate), (YearMonthDay{9999, 12, 31}));
    }
};

QTEST_APPLESS_MAIN(TestDate)
#include "test_date.moc"
