// `dutyloop --print-year` run as a script runs it, without a display: a one-page landscape PDF
// on the locale's paper, or a clear refusal that writes nothing.

#include "file_helpers.h"

#include "platform/file_services.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>

using namespace dutyloop::testing;

namespace {

// No display at all, the X11 platform unasked for: the program must not need one. The settings
// live in a folder of the test's own.
QProcessEnvironment Environment(const QString& configFolder, const QString& language) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LANG"), language);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    return environment;
}

struct Run {
    int exitCode = -1;
    QString errors;
    QByteArray output;
    QStringList configEntries; // what the run left in the user's configuration folder
};

// Puts files into the settings folder before the program starts.
using Preparation = std::function<void(const QString& settingsFolder)>;

Run RunProgram(const QStringList& arguments, const QString& workFolder,
               const QString& language = QStringLiteral("en_US.UTF-8"),
               const Preparation& prepare = {}) {
    QTemporaryDir config;
    if (prepare) {
        const QString settingsFolder = config.filePath(QStringLiteral("Halvorne/Dutyloop"));
        QDir().mkpath(settingsFolder);
        prepare(settingsFolder);
    }
    QProcess program;
    program.setProcessEnvironment(Environment(config.path(), language));
    program.setWorkingDirectory(workFolder);
    program.start(QStringLiteral(DUTYLOOP_PROGRAM), arguments);
    if (!program.waitForFinished(30000))
        return {};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardError()), program.readAllStandardOutput(),
            Entries(config.path())};
}

// pdfinfo's answer for a file: its "Key: value" lines.
QMap<QString, QString> PdfInfo(const QString& path) {
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    QMap<QString, QString> info;
    if (!pdfinfo.waitForFinished(10000) || pdfinfo.exitCode() != 0)
        return info;
    for (const QString& line : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            info.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return info;
}

} // namespace

class TestPrintYearCommand : public QObject {
    Q_OBJECT
private slots:
    void writesOneLandscapePage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("paper"); // as pdfinfo names it
        QTest::newRow("US English: Letter") << "en_US.UTF-8"
                                            << "letter";
        QTest::newRow("German: A4") << "de_DE.UTF-8"
                                    << "A4";
    }
    void writesOneLandscapePage() {
        QFETCH(QString, language);
        QFETCH(QString, paper);
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed; make deps installs it");
        QTemporaryDir folder;
        const Run run =
            RunProgram({"--print-year", "2027", "--crew", "5 TFS", "--output", "year.pdf"},
                       folder.path(), language);
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const QMap<QString, QString> info = PdfInfo(folder.filePath("year.pdf"));
        QCOMPARE(info.value("Pages"), QStringLiteral("1"));
        QCOMPARE(info.value("Title"), QStringLiteral("Dutyloop – 5 TFS – 2027"));
        const QRegularExpressionMatch size =
            QRegularExpression(R"(^([\d.]+) x ([\d.]+) pts \((\w+)\))")
                .match(info.value("Page size"));
        QVERIFY2(size.hasMatch(), qPrintable(info.value("Page size")));
        QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
        QCOMPARE(size.captured(3), paper);
        QCOMPARE(info.value("Page rot"), QStringLiteral("0"));
        QCOMPARE(Entries(folder.path()), QStringList{"year.pdf"});
    }

    void refusesWithoutWriting_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such crew")
            << QStringList{"--print-year", "2027", "--crew", "9 XYZ", "--output", "year.pdf"} << 2
            << "'9 XYZ' is not a crew";
        QTest::newRow("the agency-wide entry")
            << QStringList{"--print-year", "2027", "--crew", "Tornvale", "--output", "year.pdf"}
            << 2 << "'Tornvale' is not a crew";
        QTest::newRow("a year the calendar does not show")
            << QStringList{"--print-year", "1999", "--crew", "5 TFS", "--output", "year.pdf"} << 2
            << "'1999' is not a year from 2014 to 2100";
        QTest::newRow("no output file") << QStringList{"--print-year", "2027", "--crew", "5 TFS"}
                                        << 2 << "--print-year needs --crew and --output";
        QTest::newRow("a folder that does not exist")
            << QStringList{"--print-year", "2027",     "--crew",
                           "5 TFS",        "--output", "missing/year.pdf"}
            << 1 << "Unable to write to missing/year.pdf: No such file or directory.";
    }
    void refusesWithoutWriting() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const Run run = RunProgram(arguments, folder.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QCOMPARE(Entries(folder.path()), QStringList{});
        QCOMPARE(run.configEntries, QStringList{});
    }

    // A script pipes the page on, or throws it away, without a file of its own.
    void writesToAStream_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("toStandardOutput");
        QTest::newRow("a dash") << "-" << true;
        QTest::newRow("/dev/stdout") << "/dev/stdout" << true;
        QTest::newRow("/dev/null") << "/dev/null" << false;
    }
    void writesToAStream() {
        QFETCH(QString, output);
        QFETCH(bool, toStandardOutput);
        QTemporaryDir folder;
        const Run run = RunProgram({"--print-year", "2027", "--crew", "5 TFS", "--output", output},
                                   folder.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QCOMPARE(run.output.startsWith("%PDF-"), toStandardOutput);
        if (toStandardOutput)
            QVERIFY(run.output.trimmed().endsWith("%%EOF"));
        QCOMPARE(Entries(folder.path()), QStringList{});
    }

    // A year counted without the user's own days would be wrong without a word, so a days file
    // that is there but cannot be read stops the command.
    void refusesAnUnreadableDaysFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("a folder") << "folder"
                                  << "it is not a file";
        QTest::newRow("a FIFO") << "fifo"
                                << "it is not a file";
        QTest::newRow("a link to /dev/zero") << "zero"
                                             << "it is not a file";
        QTest::newRow("over 16 MiB") << "large"
                                     << "it is larger than 16 MiB";
    }
    void refusesAnUnreadableDaysFile() {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        QTemporaryDir folder;
        QString daysFile;
        const Run run = RunProgram(
            {"--print-year", "2027", "--crew", "5 TFS", "--output", "year.pdf"}, folder.path(),
            QStringLiteral("en_US.UTF-8"), [&](const QString& settingsFolder) {
                daysFile = settingsFolder + QStringLiteral("/dutyloop-days.ini");
                if (kind == QLatin1String("folder")) {
                    QDir().mkdir(daysFile);
                } else if (kind == QLatin1String("fifo")) {
                    ::mkfifo(QFile::encodeName(daysFile).constData(), 0600);
                } else if (kind == QLatin1String("zero")) {
                    QFile::link(QStringLiteral("/dev/zero"), daysFile);
                } else {
                    WritePlainFile(daysFile, "[Days 5 TFS]\n2027-03-03=leave\n");
                    QFile::resize(daysFile, dutyloop::kLargestReadableFile + 1);
                }
            });
        QCOMPARE(run.exitCode, 1);
        const QString message =
            QStringLiteral("dutyloop: Unable to read %1: %2.\n").arg(daysFile, why);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QCOMPARE(Entries(folder.path()), QStringList{});
    }

    // A year whose holidays are missing would be wrong without a word too: a holiday file chosen
    // and unreadable stops the command as an unreadable days file does.
    void refusesAnUnreadableHolidayFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("missing") << "missing"
                                 << "No such file or directory";
        QTest::newRow("a folder") << "folder"
                                  << "it is not a file";
        QTest::newRow("over 16 MiB") << "large"
                                     << "it is larger than 16 MiB";
    }
    void refusesAnUnreadableHolidayFile() {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        QTemporaryDir folder;
        QString holidays;
        const Run run = RunProgram(
            {"--print-year", "2027", "--crew", "5 TFS", "--output", "year.pdf"}, folder.path(),
            QStringLiteral("en_US.UTF-8"), [&](const QString& settingsFolder) {
                holidays = settingsFolder + QStringLiteral("/holidays.ics");
                if (kind == QLatin1String("folder")) {
                    QDir().mkdir(holidays);
                } else if (kind == QLatin1String("large")) {
                    WritePlainFile(holidays, "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
                    QFile::resize(holidays, dutyloop::kLargestReadableFile + 1);
                }
                WritePlainFile(settingsFolder + QStringLiteral("/dlTornvale.ini"),
                               "[Holidays]\nRegion=file\nFile=" + holidays.toUtf8() + "\n");
            });
        QCOMPARE(run.exitCode, 1);
        const QString message =
            QStringLiteral("dutyloop: Unable to read %1: %2.\n").arg(holidays, why);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QCOMPARE(Entries(folder.path()), QStringList{});
    }

    // A calendar of holidays of the user's own can put many on a crew's duty: a fair through
    // all March 2027 falls on each of 5 TFS's fourteen work days that month, read off the
    // pattern table from its anchor Monday 2014-01-06. The list below the months names every
    // one of them, however many lines it takes.
    void listsEveryHolidayOnDuty() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed; make deps installs it");
        QTemporaryDir folder;
        const Run run = RunProgram(
            {"--print-year", "2027", "--crew", "5 TFS", "--output", "year.pdf"}, folder.path(),
            QStringLiteral("en_US.UTF-8"), [&](const QString& settingsFolder) {
                const QString holidays = settingsFolder + QStringLiteral("/fair.ics");
                WritePlainFile(holidays, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//\r\n"
                                         "BEGIN:VEVENT\r\nUID:fair\r\nDTSTAMP:20260101T000000Z\r\n"
                                         "DTSTART;VALUE=DATE:20270301\r\n"
                                         "DTEND;VALUE=DATE:20270401\r\nSUMMARY:Spring fair\r\n"
                                         "END:VEVENT\r\nEND:VCALENDAR\r\n");
                WritePlainFile(settingsFolder + QStringLiteral("/dlTornvale.ini"),
                               "[Holidays]\nRegion=file\nFile=" + holidays.toUtf8() + "\n");
            });
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {folder.filePath("year.pdf"), "-"});
        QVERIFY(pdftotext.waitForFinished(10000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        for (const int day : {2, 3, 4, 9, 10, 11, 15, 16, 21, 22, 23, 28, 29, 30}) {
            const QString entry = QStringLiteral("%1 Mar Spring fair").arg(day);
            QVERIFY2(text.contains(entry), qPrintable(entry + QStringLiteral(" in: ") + text));
        }
        // 1 March is a day off.
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("\\b1 Mar Spring fair"))));
    }
};

QTEST_GUILESS_MAIN(TestPrintYearCommand)
#include "test_print_year_command.moc"
