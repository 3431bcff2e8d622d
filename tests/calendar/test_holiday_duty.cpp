// The holidays a crew is on duty, reckoned apart from the program from the rotation's pattern
// (position 1 on the crew's anchor, 6 January 2014) and each region's list, for crew 5 TFS in
// 2027.

#include "calendar/holiday_texts.h"
#include "schedule/crew.h"

#include <QTest>

using namespace dutyloop;

Q_DECLARE_METATYPE(HolidayRegion)

class TestHolidayDuty : public QObject {
    Q_OBJECT
private slots:
    void crossings_data() {
        QTest::addColumn<HolidayRegion>("region");
        QTest::addColumn<QStringList>("onDuty");
        QTest::newRow("United States: Independence Day kept on Monday 5 July")
            << HolidayRegion::UnitedStates << QStringList{"07-05", "10-11", "11-25"};
        QTest::newRow("Bavaria") << HolidayRegion::Bavaria
                                 << QStringList{"03-29", "05-01", "05-27", "10-03"};
        QTest::newRow("Berlin") << HolidayRegion::Berlin << QStringList{"03-29", "05-01", "10-03"};
        QTest::newRow("Austria") << HolidayRegion::Austria
                                 << QStringList{"03-29", "05-01", "05-27", "12-08"};
        QTest::newRow("France") << HolidayRegion::France << QStringList{"03-29", "05-01", "05-08"};
        QTest::newRow("no region") << HolidayRegion::None << QStringList{};
    }
    void crossings() {
        QFETCH(HolidayRegion, region);
        QFETCH(QStringList, onDuty);
        const std::optional<Crew> crew = CrewNamed(QStringLiteral("5 TFS"));
        QVERIFY(crew);
        QStringList days;
        const HolidayList holidays = HolidaysInYears(region, 2026, 2028);
        for (const Holiday& holiday : HolidaysOnDuty(holidays, 2027, RotationDutyOf(crew->anchor)))
            days.append(holiday.date.toString(QStringLiteral("MM-dd")));
        QCOMPARE(days, onDuty);
    }

    void names_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<HolidayRegion>("region");
        QTest::addColumn<QString>("name");
        QTest::newRow("Ascension")
            << QDate(2027, 5, 6) << HolidayRegion::Bavaria << "Ascension Day";
        QTest::newRow("an observed day")
            << QDate(2027, 7, 5) << HolidayRegion::UnitedStates << "Independence Day (observed)";
    }
    void names() {
        QFETCH(QDate, date);
        QFETCH(HolidayRegion, region);
        QFETCH(QString, name);
        for (const Holiday& holiday : HolidaysIn(region, date.year())) {
            if (holiday.date == date) {
                QCOMPARE(HolidayNameText(holiday), name);
                return;
            }
        }
        QFAIL("no holiday that day");
    }
};

QTEST_APPLESS_MAIN(TestHolidayDuty)
#include "test_holiday_duty.moc"
