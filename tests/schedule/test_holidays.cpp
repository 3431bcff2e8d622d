// The public holidays of each region against sources that are not the rules themselves: Easter
// from python3-dateutil, every region's days from 2014 to 2100 from python3-holidays (with the
// days where that library is known to be wrong or to count a local holiday), and 2027 as the
// regions' own laws list it, typed in by hand.

#include "schedule/holidays.h"

#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTest>

using namespace dutyloop;

namespace {

constexpr const char* kPython = "/usr/bin/python3";

// The lines a Python program printed; empty, with the reason in `why`, where it cannot run.
QStringList PythonLines(const QStringList& arguments, QString& why) {
    QProcess python;
    python.start(QString::fromLatin1(kPython), arguments);
    if (!python.waitForFinished(120000) || python.exitCode() != 0) {
        why = QString::fromLocal8Bit(python.readAllStandardError()).trimmed();
        if (why.isEmpty())
            why = python.errorString();
        return {};
    }
    return QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

QSet<QString> OurDates(HolidayRegion region, int year) {
    QSet<QString> dates;
    for (const Holiday& holiday : HolidaysIn(region, year))
        dates.insert(holiday.date.toString(Qt::ISODate));
    return dates;
}

// Where python3-holidays 0.10.1 (Debian 12) and the law part: days it lacks ("+", ours only)
// and days it has that are no holiday of the whole region ("-", its only).
struct KnownDifference {
    const char* region;
    const char* sign;
    const char* what; // a date, or "MM-DD from YYYY" for every year from then
};

const KnownDifference kKnownDifferences[] = {
    // Juneteenth became a federal holiday in 2021, after the library's release.
    {"US", "+", "06-19 from 2021"},
    {"US", "+", "06-18 from 2021"}, // observed on the Friday before
    {"US", "+", "06-20 from 2021"}, // observed on the Monday after
    // Assumption is kept only in Bavaria's mainly Catholic communities.
    {"DE-BY", "-", "08-15 from 2014"},
    // Brandenburg's law names Easter Sunday and Whit Sunday.
    {"DE-BB", "+", "easter from 2014"},
    {"DE-BB", "+", "whitsunday from 2014"},
    // Berlin's Liberation Day, in 2020 and 2025 only.
    {"DE-BE", "+", "2020-05-08"},
    {"DE-BE", "+", "2025-05-08"},
    // Mecklenburg-Vorpommern's Women's Day since 2023.
    {"DE-MV", "+", "03-08 from 2023"},
};

bool IsKnown(const QString& region, const QString& sign, const QString& date) {
    const QDate day = QDate::fromString(date, Qt::ISODate);
    for (const KnownDifference& known : kKnownDifferences) {
        if (region != QLatin1String(known.region) || sign != QLatin1String(known.sign))
            continue;
        const QString what = QString::fromLatin1(known.what);
        if (what == date)
            return true;
        const QStringList parts = what.split(u' ');
        if (parts.size() != 3 || day.year() < parts[2].toInt())
            continue;
        if (parts[0] == QLatin1String("easter") && day == EasterSunday(day.year()))
            return true;
        if (parts[0] == QLatin1String("whitsunday") && day == EasterSunday(day.year()).addDays(49))
            return true;
        if (date.mid(5) == parts[0])
            return true;
    }
    return false;
}

} // namespace

class TestHolidays : public QObject {
    Q_OBJECT
private slots:
    void easterAsPublished_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("easter");
        // From the published tables of Easter dates.
        QTest::newRow("2014") << 2014 << QDate(2014, 4, 20);
        QTest::newRow("2019, late") << 2019 << QDate(2019, 4, 21);
        QTest::newRow("2024, early") << 2024 << QDate(2024, 3, 31);
        QTest::newRow("2027") << 2027 << QDate(2027, 3, 28);
        QTest::newRow("2038, latest possible") << 2038 << QDate(2038, 4, 25);
        QTest::newRow("2100") << 2100 << QDate(2100, 3, 28);
    }
    void easterAsPublished() {
        QFETCH(int, year);
        QFETCH(QDate, easter);
        QCOMPARE(EasterSunday(year), easter);
    }

    void easterAsDateutilReckonsIt() {
        QString why;
        const QStringList lines = PythonLines(
            {QStringLiteral("-c"), QStringLiteral("from dateutil.easter import easter\n"
                                                  "for y in range(2014, 2101): print(easter(y))")},
            why);
        if (lines.isEmpty())
            QSKIP(qPrintable(QStringLiteral("python3-dateutil cannot run: ") + why));
        QCOMPARE(lines.size(), 87);
        for (int year = 2014; year <= 2100; ++year)
            QCOMPARE(EasterSunday(year).toString(Qt::ISODate), lines[year - 2014]);
    }

    void everyRegionAsPython3HolidaysHasIt() {
        QString why;
        const QStringList lines = PythonLines({QStringLiteral(DUTYLOOP_HOLIDAYS_ORACLE)}, why);
        if (lines.isEmpty())
            QSKIP(qPrintable(QStringLiteral("python3-holidays cannot run: ") + why));
        int compared = 0;
        for (const QString& line : lines) {
            QStringList fields = line.split(u' ');
            const QString code = fields.takeFirst();
            const int year = fields.takeFirst().toInt();
            const std::optional<HolidayRegion> region = RegionOfCode(code);
            QVERIFY2(region, qPrintable(code));
            const QSet<QString> theirs(fields.begin(), fields.end());
            const QSet<QString> ours = OurDates(*region, year);
            for (const QString& date : ours - theirs)
                QVERIFY2(IsKnown(code, QStringLiteral("+"), date),
                         qPrintable(code + QStringLiteral(": ours only ") + date));
            for (const QString& date : theirs - ours)
                QVERIFY2(IsKnown(code, QStringLiteral("-"), date),
                         qPrintable(code + QStringLiteral(": python3-holidays only ") + date));
            ++compared;
        }
        // Every region but None, every year the calendar shows.
        QCOMPARE(compared, (int(HolidayRegions().size()) - 1) * 87);
    }

    // 2027 as the laws list it.
    void twentyTwentySeven_data() {
        QTest::addColumn<HolidayRegion>("region");
        QTest::addColumn<QStringList>("dates");
        QTest::newRow("United States, with the observed days")
            << HolidayRegion::UnitedStates
            << QStringList{"01-01", "01-18", "02-15", "05-31", "06-18o", "06-19", "07-04", "07-05o",
                           "09-06", "10-11", "11-11", "11-25", "12-24o", "12-25", "12-31o"};
        QTest::newRow("Bavaria") << HolidayRegion::Bavaria
                                 << QStringList{"01-01", "01-06", "03-26", "03-29",
                                                "05-01", "05-06", "05-17", "05-27",
                                                "10-03", "11-01", "12-25", "12-26"};
        QTest::newRow("Berlin") << HolidayRegion::Berlin
                                << QStringList{"01-01", "03-08", "03-26", "03-29", "05-01",
                                               "05-06", "05-17", "10-03", "12-25", "12-26"};
        QTest::newRow("Brandenburg")
            << HolidayRegion::Brandenburg
            << QStringList{"01-01", "03-26", "03-28", "03-29", "05-01", "05-06",
                           "05-16", "05-17", "10-03", "10-31", "12-25", "12-26"};
        QTest::newRow("Saxony") << HolidayRegion::Saxony
                                << QStringList{"01-01", "03-26", "03-29", "05-01", "05-06", "05-17",
                                               "10-03", "10-31", "11-17", "12-25", "12-26"};
        QTest::newRow("Austria") << HolidayRegion::Austria
                                 << QStringList{"01-01", "01-06", "03-29", "05-01", "05-06",
                                                "05-17", "05-27", "08-15", "10-26", "11-01",
                                                "12-08", "12-25", "12-26"};
        QTest::newRow("France") << HolidayRegion::France
                                << QStringList{"01-01", "03-29", "05-01", "05-06", "05-08", "05-17",
                                               "07-14", "08-15", "11-01", "11-11", "12-25"};
        QTest::newRow("Alsace-Moselle")
            << HolidayRegion::AlsaceMoselle
            << QStringList{"01-01", "03-26", "03-29", "05-01", "05-06", "05-08", "05-17",
                           "07-14", "08-15", "11-01", "11-11", "12-25", "12-26"};
        QTest::newRow("none") << HolidayRegion::None << QStringList{};
    }
    void twentyTwentySeven() {
        QFETCH(HolidayRegion, region);
        QFETCH(QStringList, dates);
        QStringList ours;
        for (const Holiday& holiday : HolidaysIn(region, 2027))
            ours.append(holiday.date.toString(QStringLiteral("MM-dd")) +
                        (holiday.observed ? QStringLiteral("o") : QString()));
        QCOMPARE(ours, dates);
    }

    void regionCodesReadBack() {
        for (const HolidayRegion region : HolidayRegions())
            QCOMPARE(RegionOfCode(RegionCode(region)), std::optional<HolidayRegion>(region));
        QCOMPARE(RegionOfCode(u"de-by"), std::optional<HolidayRegion>(HolidayRegion::Bavaria));
        QCOMPARE(RegionOfCode(u"XX"), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestHolidays)
#include "test_holidays.moc"
