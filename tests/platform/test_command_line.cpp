#include "platform/command_line.h"
#include "ui/translations.h"

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
        QTest::newRow("a day February 2023 does not have")
            << QStringList{"--date", "2023-02-29"} << print << 2 << QDate() << "'2023-02-29'";
        QTest::newRow("not the ISO form")
            << QStringList{"--date", "29.02.2024"} << print << 2 << QDate() << "YYYY-MM-DD";
        QTest::newRow("a date without its value")
            << QStringList{"--date"} << print << 2 << QDate() << "Missing value after '--date'";
        QTest::newRow("an unknown option")
            << QStringList{"--colour=red"} << print << 2 << QDate() << "Try 'dutyloop --help'";
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

    // The help and the mistakes are told in the user's language, the options stay as typed.
    void inTheUsersLanguage() {
        const Translations german(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(german.ownLoaded());
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
