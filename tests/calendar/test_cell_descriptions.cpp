#include "calendar/cell_descriptions.h"

#include <QTest>

using namespace dutyloop;

namespace {
LocaleSettings UsEnglish() {
    return CaptureLocaleSettings(QLocale(QLocale::English, QLocale::UnitedStates));
}
} // namespace

class TestCellDescriptions : public QObject {
    Q_OBJECT
private slots:
    void crewsOnDuty_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("2014-03-03: crew 2 stands on its anchor day")
            << QDate(2014, 3, 3) << "On duty: 1 SMT, 7 SSM";
        QTest::newRow("2014-03-31") << QDate(2014, 3, 31) << "On duty: 2 MTW, 3 TWT, 4 WTF";
        QTest::newRow("2023-09-01") << QDate(2023, 9, 1) << "On duty: 5 TFS, 6 FSS, 7 SSM";
        QTest::newRow("the earliest anchor day itself") << QDate(2013, 9, 16) << "No rotation";
        QTest::newRow("long before any anchor") << QDate(1999, 1, 1) << "No rotation";
        // 2013-09-17 is position 2 of crew 4's pattern, a work day; no other crew has started.
        QTest::newRow("the first day of any rotation") << QDate(2013, 9, 17) << "On duty: 4 WTF";
        // Crew 4 alone has a rotation and is off on the Thursday after its first week's runs.
        QTest::newRow("only one crew started, and it is off")
            << QDate(2013, 9, 19) << "No crew on duty";
    }
    void crewsOnDuty() {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(CrewsOnDutyText(date, UsEnglish()), text);
    }

    void namesAndTips_data() {
        QTest::addColumn<DutyCode>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("work day") << DutyCode::Work << "Friday, September 1, 2023, work day";
        QTest::newRow("off day") << DutyCode::Off << "Friday, September 1, 2023, off duty";
        QTest::newRow("no rotation") << DutyCode::NoRotation << "Friday, September 1, 2023";
    }
    void namesAndTips() {
        QFETCH(DutyCode, code);
        QFETCH(QString, name);
        QCOMPARE(CellAccessibleName(QDate(2023, 9, 1), code, UsEnglish()), name);
        QCOMPARE(CellToolTip(QDate(2023, 9, 1), UsEnglish()),
                 QStringLiteral("Friday, September 1, 2023\nOn duty: 5 TFS, 6 FSS, 7 SSM"));
    }

    // The calendar reaches from year 1 to 9999: a short date always shows the whole year.
    // A tooltip that would be wider than a line of text gets places to break and is shown as
    // rich text that wraps; what it says stays as written.
    void wrappedToolTips_data() {
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("shown");
        const QString zw(QChar(0x200B));
        const QString date = QStringLiteral("Monday, September 18, 2023");
        const QString x20(20, u'x');
        QTest::newRow("short lines stay plain text")
            << date + "\nNote: a <b>b</b>" << date + "\nNote: a <b>b</b>";
        QTest::newRow("a line of exactly 80 stays plain") << QString(80, u'x') << QString(80, u'x');
        QTest::newRow("a long word is broken every 20 characters")
            << date + "\n" + QString(81, u'x')
            << "<p style='white-space:pre-wrap'>" + date + "<br>" + x20 + zw + x20 + zw + x20 + zw +
                   x20 + zw + "x</p>";
        QTest::newRow("blanks are places to break already, markup shows as text")
            << QString(78, u'x') + " <b>"
            << "<p style='white-space:pre-wrap'>" + x20 + zw + x20 + zw + x20 + zw +
                   QString(18, u'x') + " &lt;b&gt;</p>";
        // 19 x, then 31 flags of two regional indicators each: 50 characters as a reader sees
        // them, 81 UTF-16 code units; a break never falls between the two halves of a flag.
        const QString flag = QString::fromUtf8("\U0001F1E9\U0001F1EA");
        QTest::newRow("a flag is never broken")
            << QString(19, u'x') + flag.repeated(31)
            << "<p style='white-space:pre-wrap'>" + QString(19, u'x') + flag + zw +
                   flag.repeated(20) + zw + flag.repeated(10) + "</p>";
    }
    void wrappedToolTips() {
        QFETCH(QString, tip);
        QFETCH(QString, shown);
        QCOMPARE(WrappedToolTip(tip), shown);
    }

    void shortDatesShowTheWholeYear_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("date");
        QTest::newRow("US English, M/d/yy")
            << QLocale(QLocale::English, QLocale::UnitedStates) << "9/1/2023";
        QTest::newRow("German, dd.MM.yy")
            << QLocale(QLocale::German, QLocale::Germany) << "01.09.2023";
        QTest::newRow("Swedish, whole year already")
            << QLocale(QLocale::Swedish, QLocale::Sweden) << "2023-09-01";
    }
    void shortDatesShowTheWholeYear() {
        QFETCH(QLocale, locale);
        QFETCH(QString, date);
        QCOMPARE(FormatShortDate(QDate(2023, 9, 1), CaptureLocaleSettings(locale)), date);
    }
};

QTEST_APPLESS_MAIN(TestCellDescriptions)
#include "test_cell_descriptions.moc"
