// A clock time read as the user types it, on the 24-hour clock or with the day's half named.

#include "calendar/typed_time.h"

#include <QTest>

using namespace dutyloop;

Q_DECLARE_METATYPE(TypedTime::State)

class TestTypedTime : public QObject {
    Q_OBJECT
private slots:
    void reads_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TypedTime::State>("state");
        QTest::addColumn<QTime>("time");
        const auto wrong = TypedTime::State::Wrong;
        const auto unfinished = TypedTime::State::Unfinished;
        const auto whole = TypedTime::State::Whole;
        QTest::newRow("morning, named after") << "6:30 AM" << whole << QTime(6, 30);
        QTest::newRow("afternoon, named after") << "6:30 PM" << whole << QTime(18, 30);
        QTest::newRow("lower case, no space") << "6:30pm" << whole << QTime(18, 30);
        QTest::newRow("named first") << "PM 6:30" << whole << QTime(18, 30);
        QTest::newRow("noon") << "12:00 PM" << whole << QTime(12, 0);
        QTest::newRow("midnight") << "12:15 AM" << whole << QTime(0, 15);
        QTest::newRow("24-hour clock") << "18:30" << whole << QTime(18, 30);
        QTest::newRow("a point between") << "18.30" << whole << QTime(18, 30);
        QTest::newRow("no half named is the morning") << "6:30" << whole << QTime(6, 30);
        QTest::newRow("run together, three digits") << "630" << whole << QTime(6, 30);
        QTest::newRow("run together, four digits") << "1830" << whole << QTime(18, 30);
        QTest::newRow("the hour alone") << "18" << whole << QTime(18, 0);
        QTest::newRow("the hour with its half") << "6 PM" << whole << QTime(18, 0);
        QTest::newRow("German digits and separator") << "07:05" << whole << QTime(7, 5);
        QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("٦:٣٠") << whole << QTime(6, 30);
        QTest::newRow("nothing yet") << "" << unfinished << QTime();
        QTest::newRow("waiting for the minutes") << "6:" << unfinished << QTime();
        QTest::newRow("one digit of the minutes") << "6:3" << unfinished << QTime();
        QTest::newRow("a half begun") << "6:30 P" << unfinished << QTime();
        QTest::newRow("a half named, no time yet") << "PM " << unfinished << QTime();
        QTest::newRow("on the way to 2:53") << "25" << unfinished << QTime();
        QTest::newRow("on the way to 18:30") << "183" << unfinished << QTime();
        QTest::newRow("no 25th hour") << "25:00" << wrong << QTime();
        QTest::newRow("no 13 PM") << "13:00 PM" << wrong << QTime();
        QTest::newRow("no 60th minute") << "6:60" << wrong << QTime();
        QTest::newRow("no minute starts with 7") << "6:7" << wrong << QTime();
        QTest::newRow("two halves") << "AM 6:30 PM" << wrong << QTime();
        QTest::newRow("letters") << "6:30 x" << wrong << QTime();
        QTest::newRow("a colon first") << ":30" << wrong << QTime();
    }
    void reads() {
        QFETCH(QString, text);
        QFETCH(TypedTime::State, state);
        QFETCH(QTime, time);
        const TypedTime typed = ReadTypedTime(text, {"AM"}, {"PM"});
        QCOMPARE(typed.state, state);
        QCOMPARE(typed.time, time);
    }
};

QTEST_APPLESS_MAIN(TestTypedTime)
#include "test_typed_time.moc"
