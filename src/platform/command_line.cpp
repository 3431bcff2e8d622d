#include "platform/command_line.h"

#include "calendar/date_moves.h"
#include "platform/product.h"
#include "schedule/crew.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace dutyloop {

namespace {

CommandLine PrintAndExit(const QString& output, int exitCode) {
    CommandLine line;
    line.action = CommandLine::Action::PrintAndExit;
    line.output = output;
    line.exitCode = exitCode;
    return line;
}

CommandLine Mistake(const QString& message) {
    return PrintAndExit(ProgramMessage(message), 2);
}

// The year page's request, whole and sound, or the mistake in it.
CommandLine PrintYearLine(const QString& year, const std::optional<QString>& crew,
                          const std::optional<QString>& output) {
    if (!crew || !output)
        return Mistake(QCoreApplication::translate(
            "CommandLine", "--print-year needs --crew and --output\nTry 'dutyloop --help'."));
    const int first = kPickerFirstDate.year();
    const int last = kPickerLastDate.year();
    bool isNumber = false;
    const int number = year.toInt(&isNumber);
    // Digits only: no sign, no blanks, no thousands separator.
    const bool digits = !year.isEmpty() && std::all_of(year.begin(), year.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    if (!isNumber || !digits || number < first || number > last)
        return Mistake(
            QCoreApplication::translate("CommandLine", "'%1' is not a year from %2 to %3")
                .arg(year)
                .arg(first)
                .arg(last));
    const std::optional<Crew> named = CrewNamed(*crew);
    if (!named)
        return Mistake(
            QCoreApplication::translate("CommandLine", "'%1' is not a crew; the crews are %2")
                .arg(*crew, CrewEntries().join(QStringLiteral(", "))));
    if (output->trimmed().isEmpty())
        return Mistake(QCoreApplication::translate("CommandLine", "--output needs a file name"));
    CommandLine line;
    line.action = CommandLine::Action::PrintYear;
    line.printYear = number;
    line.crew = named->entry;
    line.pdfPath = *output;
    return line;
}

// The toolkit's own options, which QApplication takes from the command line itself: a user may
// give -style or -platform to any Qt program, and a translator -reverse to see a right-to-left
// window. Those that take a value have it in the next argument or after "=".
bool IsToolkitOption(QStringView name, bool& takesValue) {
    static const QLatin1StringView withValue[] = {QLatin1StringView("platform"),
                                                  QLatin1StringView("platformpluginpath"),
                                                  QLatin1StringView("platformtheme"),
                                                  QLatin1StringView("plugin"),
                                                  QLatin1StringView("qwindowgeometry"),
                                                  QLatin1StringView("qwindowicon"),
                                                  QLatin1StringView("qwindowtitle"),
                                                  QLatin1StringView("session"),
                                                  QLatin1StringView("style"),
                                                  QLatin1StringView("stylesheet"),
                                                  QLatin1StringView("display"),
                                                  QLatin1StringView("geometry"),
                                                  QLatin1StringView("name"),
                                                  QLatin1StringView("title"),
                                                  QLatin1StringView("icon"),
                                                  QLatin1StringView("visual")};
    static const QLatin1StringView alone[] = {
        QLatin1StringView("reverse"),      QLatin1StringView("widgetcount"),
        QLatin1StringView("nograb"),       QLatin1StringView("dograb"),
        QLatin1StringView("sync"),         QLatin1StringView("testability"),
        QLatin1StringView("qmljsdebugger")};
    takesValue = std::find(std::begin(withValue), std::end(withValue), name) != std::end(withValue);
    return takesValue || std::find(std::begin(alone), std::end(alone), name) != std::end(alone);
}

QStringList WithoutToolkitOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0 || !argument.startsWith(u'-') || argument == QLatin1String("--")) {
            kept.append(argument);
            continue;
        }
        QStringView name = QStringView(argument).mid(argument.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        const bool valueAttached = equals >= 0;
        if (valueAttached)
            name = name.left(equals);
        bool takesValue = false;
        if (!IsToolkitOption(name, takesValue)) {
            kept.append(argument);
            continue;
        }
        if (takesValue && !valueAttached)
            ++i;
    }
    return kept;
}

std::optional<QString> ValueOf(const QCommandLineParser& parser, const QCommandLineOption& option) {
    return parser.isSet(option) ? std::optional<QString>(parser.value(option)) : std::nullopt;
}

} // namespace

QString ProgramMessage(const QString& text) {
    //: The program's name, then a message; every error the command line prints starts so.
    return QCoreApplication::translate("CommandLine", "%1: %2\n")
        .arg(QStringLiteral("dutyloop"), text);
}

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
    const QCommandLineOption printYear(
        QStringLiteral("print-year"),
        QCoreApplication::translate(
            "CommandLine", "Writes the duty year <year> of a crew as a one-page PDF and exits."),
        QCoreApplication::translate("CommandLine", "year"));
    const QCommandLineOption crew(
        QStringLiteral("crew"),
        QCoreApplication::translate("CommandLine",
                                    "The crew to print, as \"5 TFS\" or its digit alone."),
        QCoreApplication::translate("CommandLine", "crew"));
    const QCommandLineOption output(
        QStringLiteral("output"),
        QCoreApplication::translate("CommandLine", "The PDF file that --print-year writes."),
        QCoreApplication::translate("CommandLine", "file"));
    const QCommandLineOption nextDuty(
        QStringLiteral("next-duty"),
        QCoreApplication::translate(
            "CommandLine",
            "Prints your next duty and exits: its start and end as \"YYYY-MM-DD HH:MM "
            "YYYY-MM-DD HH:MM CREW\", or \"YYYY-MM-DD all-day CREW\" for a duty all day."));
    const QCommandLineOption publish(
        QStringLiteral("publish"),
        QCoreApplication::translate(
            "CommandLine", "Publishes your duty once to the calendar or folder chosen with "
                           "Publish… on the Settings tab, prints what it did and exits."));
    const QCommandLineOption passwordFile(
        QStringLiteral("password-file"),
        QCoreApplication::translate("CommandLine",
                                    "For --publish: the calendar's password in the first line of "
                                    "<file>, which only you may read, instead of the password "
                                    "saved in your desktop's secret store."),
        QCoreApplication::translate("CommandLine", "file"));
    parser.addOptions(
        {help, version, date, printYear, crew, output, nextDuty, publish, passwordFile});

    const QString program = QStringLiteral("dutyloop");
    if (!parser.parse(WithoutToolkitOptions(arguments)))
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

    if (parser.isSet(nextDuty)) {
        if (parser.isSet(printYear) || parser.isSet(crew) || parser.isSet(output) ||
            parser.isSet(date) || parser.isSet(publish) || parser.isSet(passwordFile))
            return Mistake(QCoreApplication::translate(
                "CommandLine", "--next-duty goes alone\nTry 'dutyloop --help'."));
        CommandLine line;
        line.action = CommandLine::Action::NextDuty;
        return line;
    }
    if (parser.isSet(publish)) {
        if (parser.isSet(printYear) || parser.isSet(crew) || parser.isSet(output) ||
            parser.isSet(date))
            return Mistake(QCoreApplication::translate(
                "CommandLine",
                "--publish goes alone or with --password-file\nTry 'dutyloop --help'."));
        CommandLine line;
        line.action = CommandLine::Action::Publish;
        line.passwordFile = parser.value(passwordFile);
        if (parser.isSet(passwordFile) && line.passwordFile.trimmed().isEmpty())
            return Mistake(
                QCoreApplication::translate("CommandLine", "--password-file needs a file name"));
        return line;
    }
    if (parser.isSet(passwordFile))
        return Mistake(QCoreApplication::translate(
            "CommandLine", "--password-file goes with --publish\nTry 'dutyloop --help'."));
    if (parser.isSet(printYear))
        return PrintYearLine(parser.value(printYear), ValueOf(parser, crew),
                             ValueOf(parser, output));
    if (parser.isSet(crew) || parser.isSet(output))
        return Mistake(QCoreApplication::translate(
            "CommandLine", "--crew and --output go with --print-year\nTry 'dutyloop --help'."));

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
        // The calendar goes no further than its date field does.
        if (line.date < kPickerFirstDate || line.date > kPickerLastDate)
            return PrintAndExit(
                QCoreApplication::translate("CommandLine", "%1: '%2' is not a date from %3 to %4\n")
                    .arg(program, value, kPickerFirstDate.toString(Qt::ISODate),
                         kPickerLastDate.toString(Qt::ISODate)),
                2);
    }
    return line;
}

} // namespace dutyloop
