// The work and off days of a month and of a year so far, against runs worked out by hand from
// the rotation's block table and the crews' anchors.

#include "calendar/duty_counts.h"

#include <QDate>
#include <QTest>

using namespace dutyloop;

namespace {

// The anchors of the seven crews, as the anchor table lists them.
const QDate kAnchors[] = {QDate(2013, 11, 11), QDate(2014, 3, 3), QDate(2013, 12, 9),
                          QDate(2013, 9, 16),  QDate(2014, 1, 6), QDate(2013, 10, 14),
                          QDate(2014, 2, 3)};
const QDate kAgencyWide(2100, 12, 31);

DutyOf DutyAnchoredOn(QDate anchor) {
    return RotationDutyOf(anchor);
}

} // namespace

class TestDutyCounts : public QObject {
    Q_OBJECT
private slots:
    void month_data() {
        QTest::addColumn<QDate>("anchor");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("work");
        QTest::addColumn<int>("off");
        // Crew 5 in December 2026: LLKKKK LLLKKKK LLLKKKK LKKKK LLLKKK.
        QTest::newRow("5 TFS, December 2026") << kAnchors[4] << QDate(2026, 12, 10) << 12 << 19;
        QTest::newRow("5 TFS, January 2027") << kAnchors[4] << QDate(2027, 1, 1) << 14 << 17;
        QTest::newRow("4 WTF, September 2023") << kAnchors[3] << QDate(2023, 9, 30) << 11 << 19;
        QTest::newRow("3 TWT, February of a leap year")
            << kAnchors[2] << QDate(2024, 2, 29) << 14 << 15;
        QTest::newRow("7 SSM, February 2027") << kAnchors[6] << QDate(2027, 2, 1) << 12 << 16;
        // The anchor day and the days before it have no rotation and count as neither.
        QTest::newRow("2 MTW, the month of its anchor")
            << kAnchors[1] << QDate(2014, 3, 3) << 12 << 16;
        QTest::newRow("1 SMT, the month of its anchor")
            << kAnchors[0] << QDate(2013, 11, 1) << 8 << 11;
        QTest::newRow("the agency-wide entry: nothing to count")
            << kAgencyWide << QDate(2027, 6, 1) << 0 << 0;
    }
    void month() {
        QFETCH(QDate, anchor);
        QFETCH(QDate, day);
        QFETCH(int, work);
        QFETCH(int, off);
        QCOMPARE(MonthDutyCount(day, DutyAnchoredOn(anchor)), (DutyCount{work, off}));
    }

    void yearUpTo_data() {
        QTest::addColumn<QDate>("anchor");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("work");
        QTest::addColumn<int>("off");
        QTest::newRow("5 TFS, the whole of 2026")
            << kAnchors[4] << QDate(2026, 12, 31) << 157 << 208;
        QTest::newRow("5 TFS, 2026 up to December 10")
            << kAnchors[4] << QDate(2026, 12, 10) << 150 << 194;
        QTest::newRow("5 TFS, January 1 2027 alone, a Friday off")
            << kAnchors[4] << QDate(2027, 1, 1) << 0 << 1;
        QTest::newRow("2 MTW, 2014 up to March 31, after its anchor")
            << kAnchors[1] << QDate(2014, 3, 31) << 12 << 16;
    }
    void yearUpTo() {
        QFETCH(QDate, anchor);
        QFETCH(QDate, day);
        QFETCH(int, work);
        QFETCH(int, off);
        QCOMPARE(YearDutyCountUpTo(day, DutyAnchoredOn(anchor)), (DutyCount{work, off}));
    }

    // The pattern holds 84 work days in 196: so does every window of 196 days after an anchor,
    // whichever day of the pattern it starts on, and decades on.
    void everyRotationHoldsItsWorkDays_data() {
        QTest::addColumn<QDate>("anchor");
        for (const QDate& anchor : kAnchors)
            QTest::newRow(qPrintable(anchor.toString(Qt::ISODate))) << anchor;
    }
    void everyRotationHoldsItsWorkDays() {
        QFETCH(QDate, anchor);
        const DutyOf duty = DutyAnchoredOn(anchor);
        const QDate first = anchor.addDays(1);
        for (const QDate start : {first, QDate(2061, 7, 19)}) {
            for (int shift = 0; shift < 196; ++shift) {
                const QDate from = start.addDays(shift);
                QCOMPARE(CountDuty(from, from.addDays(195), duty), (DutyCount{84, 112}));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDutyCounts)
#include "test_duty_counts.moc"
