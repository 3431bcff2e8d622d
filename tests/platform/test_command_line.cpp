#include "platform/command_line.h"
#include "platform/translations.h"

#include <QTest>

using namespace dutyloop;

Q_DECLARE_METATYPE(CommandLine::Action)

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void answers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("output"); // a part of what is printed
        const auto open = CommandLine::Action::OpenWindow;
        const auto print = CommandLine::Action::PrintAndExit;
        QTest::newRow("nothing: the window on today")
            << QStringList{} << open << 0 << QDate() << "";
        QTest::newRow("--version")
            << QStringList{"--version"} << print << 0 << QDate() << "dutyloop 3.0.1\n";
        QTest::newRow("--help lists the options")
            << QStringList{"--help"} << print << 0 << QDate() << "--date <date>";
        QTest::newRow("-h") << QStringList{"-h"} << print << 0 << QDate() << "--version";
        QTest::newRow("--date on a leap day")
            << QStringList{"--date", "2024-02-29"} << open << 0 << QDate(2024, 2, 29) << "";
        QTest::newRow("--date=value")
            << QStringList{"--date=2026-12-10"} << open << 0 << QDate(2026, 12, 10) << "";
        QTest::newRow("--date on the date field's first day")
            << QStringList{"--date", "2014-03-31"} << open << 0 << QDate(2014, 3, 31) << "";
        QTest::newRow("--date on the date field's last day")
            << QStringList{"--date", "2100-12-31"} << open << 0 << QDate(2100, 12, 31) << "";
        QTest::newRow("the day before the date field's first")
            << QStringList{"--date", "2014-03-30"} << print << 2 << QDate()
            << "'2014-03-30' is not a date from 2014-03-31 to 2100-12-31";
        QTest::newRow("the day after the date field's last")
            << QStringList{"--date", "2101-01-01"} << print << 2 << QDate()
            << "'2101-01-01' is not a date from 2014-03-31 to 2100-12-31";
        QTest::newRow("year one") << QStringList{"--date", "0001-01-01"} << print << 2 << QDate()
                                  << "is not a date from 2014-03-31 to 2100-12-31";
        QTest::newRow("a day February 2023 does not have")
            << QStringList{"--date", "2023-02-29"} << print << 2 << QDate() << "'2023-02-29'";
        QTest::newRow("not the ISO form")
            << QStringList{"--date", "29.02.2024"} << print << 2 << QDate() << "YYYY-MM-DD";
        QTest::newRow("a date without its value")
            << QStringList{"--date"} << print << 2 << QDate() << "Missing value after '--date'";
        QTest::newRow("Qt's -reverse, as a translator checks a mirrored window")
            << QStringList{"-reverse"} << open << 0 << QDate() << "";
        QTest::newRow("Qt's -platform with its value, then --date")
            << QStringList{"-platform", "offscreen", "--date", "2024-02-29"} << open << 0
            << QDate(2024, 2, 29) << "";
        QTest::newRow("Qt's options with two dashes and with =")
            << QStringList{"--style=Fusion", "--qwindowtitle", "Roster", "-name", "duty"} << open
            << 0 << QDate() << "";
        QTest::newRow("a value of Qt's option is not ours to read")
            << QStringList{"-stylesheet", "--help"} << open << 0 << QDate() << "";
        QTest::newRow("an unknown option")
            << QStringList{"--colour=red"} << print << 2 << QDate() << "Try 'dutyloop --help'";
        QTest::newRow("--next-duty")
            << QStringList{"--next-duty"} << CommandLine::Action::NextDuty << 0 << QDate() << "";
        QTest::newRow("--next-duty goes alone")
            << QStringList{"--next-duty", "--date", "2024-02-29"} << print << 2 << QDate()
            << "--next-duty goes alone";
        QTest::newRow("--next-duty is not a crew's year")
            << QStringList{"--next-duty", "--print-year", "2027", "--crew", "5"} << print << 2
            << QDate() << "--next-duty goes alone";
        QTest::newRow("--publish")
            << QStringList{"--publish"} << CommandLine::Action::Publish << 0 << QDate() << "";
        QTest::newRow("--publish with a password file")
            << QStringList{"--publish", "--password-file", "pw"} << CommandLine::Action::Publish
            << 0 << QDate() << "";
        QTest::newRow("--publish is no crew's year")
            << QStringList{"--publish", "--print-year", "2027", "--crew", "5"} << print << 2
            << QDate() << "--publish goes alone";
        QTest::newRow("--publish and --next-duty")
            << QStringList{"--publish", "--next-duty"} << print << 2 << QDate()
            << "--next-duty goes alone";
        QTest::newRow("a password file alone") << QStringList{"--password-file", "pw"} << print << 2
                                               << QDate() << "--password-file goes with --publish";
        QTest::newRow("a password file without its name")
            << QStringList{"--publish", "--password-file", ""} << print << 2 << QDate()
            << "--password-file needs a file name";
        QTest::newRow("a stray argument")
            << QStringList{"2024-02-29"} << print << 2 << QDate() << "unexpected argument";
    }
    void answers() {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(int, exitCode);
        QFETCH(QDate, date);
        QFETCH(QString, output);
        const CommandLine line =
            ParseCommandLine(QStringList{QStringLiteral("/usr/bin/dutyloop")} + arguments);
        QCOMPARE(line.action, action);
        QCOMPARE(line.exitCode, exitCode);
        QCOMPARE(line.date, date);
        QVERIFY2(line.output.contains(output), qPrintable(line.output));
        // The help names the program as it is typed, not by the path it was started from.
        QVERIFY(!line.output.contains(QStringLiteral("/usr/bin")));
    }

    void printYear_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("year"); // 0: refused
        QTest::addColumn<QString>("crew");
        QTest::addColumn<QString>("message"); // a part of what is printed when refused
        QTest::newRow("year, crew and file")
            << QStringList{"--print-year", "2027", "--crew", "5 TFS", "--output", "year.pdf"}
            << 2027 << "5 TFS"
            << "";
        QTest::newRow("the crew in lower case")
            << QStringList{"--print-year=2030", "--crew=2 mtw", "--output=a.pdf"} << 2030 << "2 MTW"
            << "";
        QTest::newRow("the crew by its digit")
            << QStringList{"--print-year", "2014", "--crew", "7", "--output", "a.pdf"} << 2014
            << "7 SSM"
            << "";
        QTest::newRow("the last year the calendar shows")
            << QStringList{"--print-year", "2100", "--crew", "1 SMT", "--output", "a.pdf"} << 2100
            << "1 SMT"
            << "";
        QTest::newRow("the agency-wide entry has no duties")
            << QStringList{"--print-year", "2027", "--crew", "Tornvale", "--output", "a.pdf"} << 0
            << ""
            << "'Tornvale' is not a crew; the crews are 1 SMT, 2 MTW";
        QTest::newRow("no such crew")
            << QStringList{"--print-year", "2027", "--crew", "8", "--output", "a.pdf"} << 0 << ""
            << "'8' is not a crew";
        QTest::newRow("a year before the rotation's calendar")
            << QStringList{"--print-year", "2013", "--crew", "5", "--output", "a.pdf"} << 0 << ""
            << "'2013' is not a year from 2014 to 2100";
        QTest::newRow("a year after it")
            << QStringList{"--print-year", "2101", "--crew", "5", "--output", "a.pdf"} << 0 << ""
            << "'2101' is not a year";
        QTest::newRow("no number")
            << QStringList{"--print-year", "next", "--crew", "5", "--output", "a.pdf"} << 0 << ""
            << "'next' is not a year";
        QTest::newRow("a signed number")
            << QStringList{"--print-year", "+2027", "--crew", "5", "--output", "a.pdf"} << 0 << ""
            << "'+2027' is not a year";
        QTest::newRow("no crew") << QStringList{"--print-year", "2027", "--output", "a.pdf"} << 0
                                 << ""
                                 << "--print-year needs --crew and --output";
        QTest::newRow("no file") << QStringList{"--print-year", "2027", "--crew", "5"} << 0 << ""
                                 << "--print-year needs --crew and --output";
        QTest::newRow("an empty file name")
            << QStringList{"--print-year", "2027", "--crew", "5", "--output", " "} << 0 << ""
            << "--output needs a file name";
        QTest::newRow("a crew without the year")
            << QStringList{"--crew", "5", "--output", "a.pdf"} << 0 << ""
            << "--crew and --output go with --print-year";
    }
    void printYear() {
        QFETCH(QStringList, arguments);
        QFETCH(int, year);
        QFETCH(QString, crew);
        QFETCH(QString, message);
        const CommandLine line =
            ParseCommandLine(QStringList{QStringLiteral("dutyloop")} + arguments);
        if (year == 0) {
            QCOMPARE(line.action, CommandLine::Action::PrintAndExit);
            QCOMPARE(line.exitCode, 2);
            QVERIFY2(line.output.startsWith(QStringLiteral("dutyloop: ")), qPrintable(line.output));
            QVERIFY2(line.output.contains(message), qPrintable(line.output));
            return;
        }
        QCOMPARE(line.action, CommandLine::Action::PrintYear);
        QCOMPARE(line.exitCode, 0);
        QCOMPARE(line.printYear, year);
        QCOMPARE(line.crew, crew);
        QVERIFY(!line.pdfPath.isEmpty());
    }

    // The help and the mistakes are told in the user's language, the options stay as typed.
    void inTheUsersLanguage() {
        const Translations german(QLocale(QLocale::German, QLocale::Germany));
        const QString help =
            ParseCommandLine({QStringLiteral("dutyloop"), QStringLiteral("-h")}).output;
        QVERIFY2(help.contains(QStringLiteral("Zeigt diese Hilfe")), qPrintable(help));
        QVERIFY(help.contains(QStringLiteral("--date <Datum>")));
        const QString mistake =
            ParseCommandLine({QStringLiteral("dutyloop"), QStringLiteral("--date"),
                              QStringLiteral("2023-02-29")})
                .output;
        QVERIFY2(mistake.contains(QStringLiteral("kein gültiges Datum")), qPrintable(mistake));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
