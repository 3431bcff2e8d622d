#include "settings/day_changes_file.h"
#include "settings/settings_file.h"
#include "ui/settings/duty_export.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace dutyloop;

namespace {

// An event as a calendar program shows it: its first and last day, and its title.
struct Shown {
    QDate first;
    QDate last;
    QString title;
};

QDate March(int day) {
    return QDate(2027, 3, day);
}

// 5 TFS in March 2027, read off the pattern table from its anchor Monday 2014-01-06: work on
// the 2nd to 4th, 9th to 11th, 15th and 16th, 21st to 23rd and 28th to 30th.
QList<Shown> Rostered() {
    return {{March(2), March(4), "On duty (5 TFS)"},
            {March(9), March(11), "On duty (5 TFS)"},
            {March(15), March(16), "On duty (5 TFS)"},
            {March(21), March(23), "On duty (5 TFS)"},
            {March(28), March(30), "On duty (5 TFS)"}};
}

// One export and import: the days file as the user then has it, and what the calendar shows
// after the import: the duty and notes, and in khal what stays there cancelled.
struct Step {
    const char* name;
    QByteArray days;
    QList<Shown> live;
    QList<Shown> cancelled;
};

QList<Step> Steps() {
    // A note on Saturday the 6th, a day off.
    QList<Shown> noted = Rostered();
    noted.insert(1, {March(6), March(6), "Call Anna"});
    // Leave on the first day of the run from the 2nd and in the middle of the one from the 9th,
    // and the noted day on extra duty.
    QList<Shown> changed = Rostered();
    changed.replace(0, {March(3), March(4), "On duty (5 TFS)"});
    changed.replace(1, {March(9), March(9), "On duty (5 TFS)"});
    changed.insert(1, {March(6), March(6), "Extra duty (5 TFS)"});
    changed.insert(3, {March(11), March(11), "On duty (5 TFS)"});
    const QByteArray withNote = "[Days 5 TFS]\n2027-03-06=rostered;Call Anna\n";
    return {
        {"as rostered, a note on a day off", withNote, noted, {}},
        {"leave on a run's first day and in another, extra duty on the noted day",
         "[Days 5 TFS]\n2027-03-02=leave\n2027-03-06=extra;Call Anna\n2027-03-10=leave\n",
         changed,
         {{March(6), March(6), "Cancelled: Call Anna"}}},
        {"the changes taken back",
         withNote,
         noted,
         {{March(6), March(6), "Cancelled: Extra duty (5 TFS)"},
          {March(11), March(11), "Cancelled: On duty (5 TFS)"}}},
    };
}

// One line for each event as khal lists it once: "2027-03-02 2027-03-04 On duty (5 TFS)".
QStringList KhalLines(const QList<Shown>& events, const QString& before = {}) {
    QStringList lines;
    for (const Shown& event : events)
        lines << event.first.toString(Qt::ISODate) + u' ' + event.last.toString(Qt::ISODate) +
                     u' ' + before + event.title;
    lines.sort();
    return lines;
}

// One line for each day of each event, as calcurse lists the days: "2027-03-02 On duty (5 TFS)".
QStringList DayLines(const QList<Shown>& events) {
    QStringList lines;
    for (const Shown& event : events)
        for (QDate day = event.first; day <= event.last; day = day.addDays(1))
            lines << day.toString(Qt::ISODate) + u' ' + event.title;
    lines.sort();
    return lines;
}

// Runs the program to its end; its standard output, or a failure that says what went wrong.
QString Run(const QString& program, const QStringList& arguments, QString& output) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("TZ", "UTC");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return program + u' ' + arguments.join(u' ') + QStringLiteral(" failed: ") +
               QString::fromUtf8(process.readAllStandardError());
    }
    output = QString::fromUtf8(process.readAllStandardOutput());
    return {};
}

// A khal of the test's own in `folder`, its one calendar "duty", its time zone `zone`: the path
// of its configuration, or none where it cannot be written.
QString KhalConfig(const QTemporaryDir& folder, const QString& zone) {
    const QString calendar = folder.filePath("calendar");
    const QString config = folder.filePath("khal.conf");
    QFile file(config);
    if (!QDir().mkpath(calendar) || !file.open(QIODevice::WriteOnly))
        return {};
    file.write(QStringLiteral("[calendars]\n[[duty]]\npath = %1\ntype = calendar\n"
                              "[sqlite]\npath = %2\n"
                              "[locale]\nlocal_timezone = %3\ndefault_timezone = %3\n"
                              "dateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n"
                              "timeformat = %H:%M\ndatetimeformat = %Y-%m-%d %H:%M\n"
                              "longdatetimeformat = %Y-%m-%d %H:%M\n")
                   .arg(calendar, folder.filePath("khal.db"), zone)
                   .toUtf8());
    return config;
}

#define RUN(program, arguments, output)                                                            \
    do {                                                                                           \
        const QString runError = Run((program), (arguments), (output));                            \
        QVERIFY2(runError.isEmpty(), qPrintable(runError));                                        \
    } while (false)

} // namespace

// The user exports March 2027 for 5 TFS, imports the file, changes days, exports to the same
// file and imports it again, as the README says, with the real khal and the real calcurse, each
// in a folder of the test's own. Each shows the duty as it then is, once, and nothing that is
// gone; khal keeps what is gone as a cancelled event.
class TestCalendarPrograms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void khalShowsTheDutyAsItIs() {
        const QString khal = QStandardPaths::findExecutable("khal");
        if (khal.isEmpty())
            QSKIP("khal is not installed (Debian's khal, in the Makefile's DEB_PACKAGES)");
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString config = KhalConfig(folder, "UTC");
        QVERIFY(!config.isEmpty());

        const QString path = folder.filePath("Dutyloop 5 TFS.ics");
        QDateTime stamp(QDate(2027, 2, 20), QTime(9, 0), QTimeZone::utc());
        for (const Step& step : Steps()) {
            stamp = stamp.addSecs(3600);
            QVERIFY2(ExportDutyCalendar({"5 TFS", March(1), 1, path}, stamp,
                                        FixedPlatform(QDate(2027, 2, 20), QLocale::c(), {}),
                                        nullptr, AllDayChangesFromText(step.days)),
                     step.name);
            QString output;
            RUN(khal, (QStringList{"-c", config, "import", "--batch", "-a", "duty", path}), output);
            RUN(khal,
                (QStringList{"-c", config, "list", "-o", "-df", "", "-f",
                             "{start-date} {end-date} {cancelled}{title}", "2027-02-01",
                             "2027-04-30"}),
                output);
            QStringList shown = output.split(u'\n', Qt::SkipEmptyParts);
            shown.sort();
            QCOMPARE(shown.filter(QRegularExpression("^\\S+ \\S+ CANCELLED ")),
                     KhalLines(step.cancelled, "CANCELLED "));
            QCOMPARE(shown.filter(QRegularExpression("^\\S+ \\S+ (?!CANCELLED )")),
                     KhalLines(step.live));
        }
    }

    // With duty hours, khal in Berlin lists the duty from 07:00 local time: a run of 24-hour
    // duties as one event to the morning after its last day, nights each to the next morning,
    // also across the night the clocks go forward (28 March 2027).
    void khalShowsTimedDuty_data() {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("07:00 for 24 hours")
            << "07:00-07:00"
            << QStringList{"2027-03-02 07:00 2027-03-05 07:00 On duty (5 TFS)",
                           "2027-03-28 07:00 2027-03-31 07:00 On duty (5 TFS)"};
        QTest::newRow("nights from 19:00 to 07:00")
            << "19:00-07:00"
            << QStringList{"2027-03-02 19:00 2027-03-03 07:00 On duty (5 TFS)",
                           "2027-03-03 19:00 2027-03-04 07:00 On duty (5 TFS)",
                           "2027-03-04 19:00 2027-03-05 07:00 On duty (5 TFS)",
                           "2027-03-28 19:00 2027-03-29 07:00 On duty (5 TFS)",
                           "2027-03-29 19:00 2027-03-30 07:00 On duty (5 TFS)",
                           "2027-03-30 19:00 2027-03-31 07:00 On duty (5 TFS)"};
    }
    void khalShowsTimedDuty() {
        QFETCH(QString, hours);
        QFETCH(QStringList, shown);
        const QString khal = QStandardPaths::findExecutable("khal");
        if (khal.isEmpty())
            QSKIP("khal is not installed (Debian's khal, in the Makefile's DEB_PACKAGES)");
        const QTimeZone berlin("Europe/Berlin");
        if (!berlin.isValid())
            QSKIP("the system has no time zone data (Debian's tzdata)");
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString config = KhalConfig(folder, "Europe/Berlin");
        QVERIFY(!config.isEmpty());
        const QString path = folder.filePath("Dutyloop 5 TFS.ics");
        const Settings settings = SettingsFromText("[Duty Hours]\n5 TFS=" + hours.toLatin1() +
                                                   "\n[Reminder]\nRemind=60\n");
        QVERIFY(settings.dutyHours.contains("5 TFS"));
        QVERIFY(ExportDutyCalendar({"5 TFS", March(1), 1, path},
                                   QDateTime(QDate(2027, 2, 20), QTime(9, 0), QTimeZone::utc()),
                                   FixedPlatform(QDate(2027, 2, 20), QLocale::c(), {}), nullptr, {},
                                   settings, berlin));
        QString output;
        RUN(khal, (QStringList{"-c", config, "import", "--batch", "-a", "duty", path}), output);
        RUN(khal,
            (QStringList{"-c", config, "list", "-o", "-df", "", "-f", "{start} {end} {title}",
                         "2027-03-01", "2027-03-06"}),
            output);
        QStringList listed = output.split(u'\n', Qt::SkipEmptyParts);
        RUN(khal,
            (QStringList{"-c", config, "list", "-o", "-df", "", "-f", "{start} {end} {title}",
                         "2027-03-27", "2027-03-31"}),
            output);
        listed += output.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(listed, shown);
    }

    // calcurse keeps no UIDs and takes a cancelled event for one more: the README's commands
    // remove the earlier import's duty and notes first and what the file cancels after.
    void calcurseShowsTheDutyAsItIs() {
        const QString calcurse = QStandardPaths::findExecutable("calcurse");
        if (calcurse.isEmpty())
            QSKIP("calcurse is not installed (Debian's calcurse, in the Makefile's DEB_PACKAGES)");
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString data = folder.filePath("calcurse");
        QVERIFY(QDir().mkpath(data));
        QFile conf(data + "/conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("format.outputdate=%F\n");
        conf.close();
        const QStringList in{"-D", data};

        const QString path = folder.filePath("Dutyloop 5 TFS.ics");
        QDateTime stamp(QDate(2027, 2, 20), QTime(9, 0), QTimeZone::utc());
        for (const Step& step : Steps()) {
            stamp = stamp.addSecs(3600);
            QVERIFY2(ExportDutyCalendar({"5 TFS", March(1), 1, path}, stamp,
                                        FixedPlatform(QDate(2027, 2, 20), QLocale::c(), {}),
                                        nullptr, AllDayChangesFromText(step.days)),
                     step.name);
            QString output;
            RUN(calcurse,
                (in + QStringList{"-P", "--filter-pattern", "(On|Extra) duty \\(5 TFS\\)"}),
                output);
            RUN(calcurse, (in + QStringList{"-P", "--filter-pattern", "^Call Anna$"}), output);
            RUN(calcurse, (in + QStringList{"-i", path}), output);
            RUN(calcurse, (in + QStringList{"-P", "--filter-pattern", "^Cancelled: "}), output);
            RUN(calcurse,
                (in + QStringList{"-Q", "--input-datefmt", "4", "--from", "2027-02-01", "--to",
                                  "2027-04-30", "--format-event", "%m\\n", "--format-recur-event",
                                  "%m\\n"}),
                output);
            // A day's line, "2027-03-02:", then its events' titles, one a line.
            QStringList shown;
            QString day;
            for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
                if (line.endsWith(u':') &&
                    QDate::fromString(line.chopped(1), Qt::ISODate).isValid())
                    day = line.chopped(1);
                else
                    shown << day + u' ' + line;
            }
            shown.sort();
            QCOMPARE(shown, DayLines(step.live));
        }
    }
};

QTEST_MAIN(TestCalendarPrograms)
#include "test_calendar_programs.moc"
