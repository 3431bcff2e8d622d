// `dutyloop --next-duty` run as a script or a status bar runs it: the settings in a folder of
// the test's own, Berlin's time zone, and the moment pinned by libfaketime. 5 TFS's work days,
// read off the pattern table from its anchor Monday 2014-01-06: 2 to 4 March, 9 to 11 March,
// 28 to 30 March 2027; Berlin goes to summer time on 28 March at 02:00.

#include "faketime.h"
#include "file_helpers.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace dutyloop::testing;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray output;
    QString errors;
};

// The program at `now` on Berlin's wall clock, with the settings and days files given; a days
// file "folder" is a folder in its place.
Run NextDutyAt(const QString& now, const QByteArray& settings, const QByteArray& days) {
    QTemporaryDir config;
    const QString folder = config.filePath(QStringLiteral("Halvorne/Dutyloop"));
    QDir().mkpath(folder);
    if (!settings.isEmpty())
        WritePlainFile(folder + QStringLiteral("/dlTornvale.ini"), settings);
    if (days == "folder")
        QDir().mkpath(folder + QStringLiteral("/dutyloop-days.ini"));
    else if (!days.isEmpty())
        WritePlainFile(folder + QStringLiteral("/dutyloop-days.ini"), days);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Berlin"));
    environment.insert(QStringLiteral("LD_PRELOAD"), FaketimeLibrary());
    environment.insert(QStringLiteral("FAKETIME"), QStringLiteral("@") + now);
    environment.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(DUTYLOOP_PROGRAM), {QStringLiteral("--next-duty")});
    if (!program.waitForFinished(30000))
        return {};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            program.readAllStandardOutput(),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

const QByteArray kTwentyFourHours = "[Config]\nWorkAssign=5 TFS\n[Duty Hours]\n5 TFS=07:00-07:00\n";

} // namespace

class TestNextDutyCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (FaketimeLibrary().isEmpty())
            QSKIP("libfaketime is not installed; make deps installs it");
    }

    void printsTheNextDuty_data() {
        QTest::addColumn<QString>("now");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("days");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("a 24-hour duty across the change to summer time")
            << "2027-03-27 09:00:00" << kTwentyFourHours << QByteArray()
            << QByteArray("2027-03-28 07:00 2027-03-29 07:00 5 TFS\n");
        QTest::newRow("last night's duty, still running")
            << "2027-03-03 06:30:00"
            << QByteArray("[Config]\nWorkAssign=5 tfs\n[Duty Hours]\n5 TFS=19:00-07:00\n")
            << QByteArray() << QByteArray("2027-03-02 19:00 2027-03-03 07:00 5 TFS\n");
        QTest::newRow("all day") << "2027-03-05 09:00:00"
                                 << QByteArray("[Config]\nWorkAssign=5 TFS\n") << QByteArray()
                                 << QByteArray("2027-03-09 all-day 5 TFS\n");
        QTest::newRow("leave and a swap skipped; another crew's leave is not ours")
            << "2027-03-05 09:00:00" << kTwentyFourHours
            << QByteArray("[Days 5 TFS]\n2027-03-09=leave\n2027-03-10=swapped\n"
                          "2027-03-11=rostered;Call Anna\n[Days 3 TWT]\n2027-03-11=leave\n")
            << QByteArray("2027-03-11 07:00 2027-03-12 07:00 5 TFS\n");
        QTest::newRow("extra duty on a day off")
            << "2027-03-05 09:00:00" << kTwentyFourHours
            << QByteArray("[Days 5 TFS]\n2027-03-06=extra\n")
            << QByteArray("2027-03-06 07:00 2027-03-07 07:00 5 TFS\n");
    }
    void printsTheNextDuty() {
        QFETCH(QString, now);
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, days);
        QFETCH(QByteArray, line);
        const Run run = NextDutyAt(now, settings, days);
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QCOMPARE(run.output, line);
        QCOMPARE(run.errors, QString());
    }

    void saysWhyThereIsNone_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("days");
        QTest::addColumn<QString>("message"); // a part of it
        QTest::newRow("the agency-wide entry follows no rotation")
            << QByteArray("[Config]\nWorkAssign=Tornvale\n") << QByteArray()
            << "'Tornvale' follows no crew's rotation";
        QTest::newRow("no settings file: no crew chosen yet")
            << QByteArray() << QByteArray() << "'Tornvale' follows no crew's rotation";
        QTest::newRow("a days file that cannot be read")
            << kTwentyFourHours << QByteArray("folder")
            << "/Halvorne/Dutyloop/dutyloop-days.ini: it is not a file.\n";
        QByteArray longLeave = "[Days 5 TFS]\n";
        for (QDate day(2027, 3, 1); day <= QDate(2028, 4, 1); day = day.addDays(1))
            longLeave += day.toString(Qt::ISODate).toLatin1() + "=leave\n";
        QTest::newRow("on leave for more than two rotations")
            << kTwentyFourHours << longLeave << "5 TFS has no duty in the next 392 days.";
    }
    void saysWhyThereIsNone() {
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, days);
        QFETCH(QString, message);
        const Run run = NextDutyAt(QStringLiteral("2027-03-01 12:00:00"), settings, days);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.output, QByteArray());
        QVERIFY2(run.errors.startsWith(QStringLiteral("dutyloop: ")) &&
                     run.errors.contains(message),
                 qPrintable(run.errors));
    }
};

QTEST_GUILESS_MAIN(TestNextDutyCommand)
#include "test_next_duty_command.moc"
