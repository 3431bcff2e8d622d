#include "platform/command_line.h"

#include "platform/product.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace dutyloop {

namespace {

CommandLine PrintAndExit(const QString& output, int exitCode) {
    CommandLine line;
    line.action = CommandLine::Action::PrintAndExit;
    line.output = output;
    line.exitCode = exitCode;
    return line;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Dutyloop shows whether your crew is on duty on any day of its rotation."));
    const QCommandLineOption help(
        QStringList{QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Shows this help and exits."));
    const QCommandLineOption version(
        QStringList{QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Shows the version and exits."));
    const QCommandLineOption date(
        QStringLiteral("date"),
        QCoreApplication::translate("CommandLine", "Opens the calendar on <date>, as YYYY-MM-DD."),
        QCoreApplication::translate("CommandLine", "date"));
    parser.addOptions({help, version, date});

    const QString program = QStringLiteral("dutyloop");
    if (!parser.parse(arguments))
        return PrintAndExit(QCoreApplication::translate("CommandLine", "%1: %2\nTry '%1 --help'.\n")
                                .arg(program, parser.errorText()),
                            2);
    if (!parser.positionalArguments().isEmpty())
        return PrintAndExit(QCoreApplication::translate(
                                "CommandLine", "%1: unexpected argument '%2'\nTry '%1 --help'.\n")
                                .arg(program, parser.positionalArguments().first()),
                            2);
    if (parser.isSet(help))
        return PrintAndExit(parser.helpText().replace(arguments.value(0), program), 0);
    if (parser.isSet(version))
        return PrintAndExit(QStringLiteral("%1 %2\n").arg(program, ProductVersion()), 0);

    CommandLine line;
    if (parser.isSet(date)) {
        const QString value = parser.value(date);
        // Only the exact form: ten characters, dashes in place, a day the calendar has.
        line.date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
        if (!line.date.isValid() || value.size() != 10)
            return PrintAndExit(
                QCoreApplication::translate(
                    "CommandLine", "%1: '%2' is not a valid date; write it as YYYY-MM-DD\n")
                    .arg(program, value),
                2);
    }
    return line;
}

} // namespace dutyloop
