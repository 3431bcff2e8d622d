#include "schedule/rotation.h"

#include <QTest>

using namespace dutyloop;

namespace {
const QStringList kAssignments = {"1 SMT", "2 MTW", "3 TWT", "4 WTF", "5 TFS", "6 FSS", "7 SSM"};

char CodeFor(const QString& assignment, QDate date) {
    return static_cast<char>(DutyCodeFor(date, AnchorForAssignment(assignment)));
}
} // namespace

class TestRotation : public QObject {
    Q_OBJECT
private slots:
    void anchors_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QDate>("anchor");
        QTest::newRow("1 SMT") << "1 SMT" << QDate(2013, 11, 11);
        QTest::newRow("2 MTW") << "2 MTW" << QDate(2014, 3, 3);
        QTest::newRow("3 TWT") << "3 TWT" << QDate(2013, 12, 9);
        QTest::newRow("4 WTF") << "4 WTF" << QDate(2013, 9, 16);
        QTest::newRow("5 TFS") << "5 TFS" << QDate(2014, 1, 6);
        QTest::newRow("6 FSS") << "6 FSS" << QDate(2013, 10, 14);
        QTest::newRow("7 SSM") << "7 SSM" << QDate(2014, 2, 3);
        QTest::newRow("only the first character counts") << "1 anything" << QDate(2013, 11, 11);
        QTest::newRow("a lone digit") << "7" << QDate(2014, 2, 3);
        QTest::newRow("agency-wide entry") << "Tornvale" << QDate(2100, 12, 31);
        QTest::newRow("empty text") << "" << QDate(2100, 12, 31);
        QTest::newRow("leading blank") << " 1 SMT" << QDate(2100, 12, 31);
        QTest::newRow("digit 0") << "0 XYZ" << QDate(2100, 12, 31);
        QTest::newRow("digit 8") << "8 XYZ" << QDate(2100, 12, 31);
        QTest::newRow("letter") << "x" << QDate(2100, 12, 31);
        QTest::newRow("full-width digit one") << QString::fromUtf8("１ SMT") << QDate(2100, 12, 31);
    }
    void anchors() {
        QFETCH(QString, assignment);
        QFETCH(QDate, anchor);
        QCOMPARE(AnchorForAssignment(assignment), anchor);
    }

    void dutyCodes_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<char>("code");
        QTest::newRow("2 MTW on its anchor day") << "2 MTW" << QDate(2014, 3, 3) << 'Z';
        QTest::newRow("2 MTW day after anchor, position 2") << "2 MTW" << QDate(2014, 3, 4) << 'L';
        QTest::newRow("2 MTW position 4") << "2 MTW" << QDate(2014, 3, 6) << 'K';
        QTest::newRow("2 MTW position 8") << "2 MTW" << QDate(2014, 3, 10) << 'L';
        QTest::newRow("1 SMT 196 days after anchor is position 1")
            << "1 SMT" << QDate(2014, 5, 26) << 'L';
        QTest::newRow("1 SMT position 196, a Sunday off") << "1 SMT" << QDate(2014, 5, 25) << 'K';
        QTest::newRow("1 SMT position 2 after the wrap") << "1 SMT" << QDate(2014, 5, 27) << 'L';
        QTest::newRow("day before the earliest anchor") << "4 WTF" << QDate(2013, 9, 15) << 'Z';
        QTest::newRow("agency-wide on 2100-12-31") << "Tornvale" << QDate(2100, 12, 31) << 'Z';
        QTest::newRow("agency-wide on 2101-01-01, position 2")
            << "Tornvale" << QDate(2101, 1, 1) << 'L';
        QTest::newRow("empty text like the agency-wide entry") << "" << QDate(2101, 1, 1) << 'L';
        QTest::newRow("far future stays in the pattern") << "5 TFS" << QDate(9999, 12, 31) << 'L';
    }
    void dutyCodes() {
        QFETCH(QString, assignment);
        QFETCH(QDate, date);
        QFETCH(char, code);
        QCOMPARE(CodeFor(assignment, date), code);
    }

    void allSevenOnKnownDays_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("codes"); // for "1 SMT" to "7 SSM"
        QTest::newRow("2014-03-03: only 1 and 7; 2 on its anchor")
            << QDate(2014, 3, 3) << "LZKKKKL";
        QTest::newRow("2014-03-31: 2, 3 and 4") << QDate(2014, 3, 31) << "KLLLKKK";
        QTest::newRow("2023-09-01: 5, 6 and 7") << QDate(2023, 9, 1) << "KKKKLLL";
    }
    void allSevenOnKnownDays() {
        QFETCH(QDate, date);
        QFETCH(QString, codes);
        QString got;
        for (const QString& assignment : kAssignments)
            got += QChar::fromLatin1(CodeFor(assignment, date));
        QCOMPARE(got, codes);
    }

    void noRotationUpToTheEarliestAnchor() {
        for (const QString& assignment : kAssignments) {
            for (QDate date = QDate(1, 1, 1); date <= QDate(2013, 9, 16); date = date.addDays(97))
                QCOMPARE(CodeFor(assignment, date), 'Z');
            QCOMPARE(CodeFor(assignment, QDate(2013, 9, 16)), 'Z');
        }
    }

    // From the day after the last anchor on, exactly three crews work every day.
    void exactlyThreeOnDutyEveryDay() {
        for (QDate date = QDate(2014, 3, 4); date <= QDate(2100, 12, 31); date = date.addDays(1)) {
            int working = 0;
            for (const QString& assignment : kAssignments)
                working += CodeFor(assignment, date) == 'L' ? 1 : 0;
            if (working != 3)
                QFAIL(qPrintable(QStringLiteral("%1 crews on day %2")
                                     .arg(working)
                                     .arg(date.toString(Qt::ISODate))));
        }
    }

    // Runs measured on the calendar, so the wrap from position 196 to 1 is crossed many times.
    void noRunLongerThanThreeOnOrFourOff() {
        for (const QString& assignment : kAssignments) {
            const QDate anchor = AnchorForAssignment(assignment);
            int run = 0;
            char previous = 0;
            for (QDate date = anchor.addDays(1); date <= anchor.addDays(5 * 196);
                 date = date.addDays(1)) {
                const char code = CodeFor(assignment, date);
                run = code == previous ? run + 1 : 1;
                previous = code;
                QVERIFY2(code == 'L' ? run <= 3 : run <= 4, qPrintable(assignment));
            }
        }
    }

    void patternShape() {
        QCOMPARE(std::count(RotationPattern.begin(), RotationPattern.end(), 'L'), 84);
        QCOMPARE(std::count(RotationPattern.begin(), RotationPattern.end(), 'K'), 112);
    }
};

QTEST_APPLESS_MAIN(TestRotation)
#include "test_rotation.moc"
