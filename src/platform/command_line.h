#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace dutyloop {

// What a start was asked to do.
struct CommandLine {
    enum class Action { OpenWindow, PrintAndExit, PrintYear, NextDuty, Publish };
    Action action = Action::OpenWindow;
    QDate date; // --date: the day to open the calendar on; invalid for today
    // --print-year, --crew and --output: the year page of one crew, written as a PDF file.
    int printYear = 0;
    QString crew; // the crew's entry in the assignment list
    QString pdfPath;
    QString passwordFile; // --password-file, for --publish: where the calendar's password is
    QString output;       // what to print before exiting: the help, the version or an error
    int exitCode = 0;     // 0, or 2 for a command line that cannot be followed
};

// The options of `dutyloop`: --help, --version, --date YYYY-MM-DD, --print-year YEAR with
// --crew CREW and --output FILE, --next-duty alone, and --publish with an optional
// --password-file FILE. `arguments` starts with
// the program's name, as QCoreApplication::arguments() does.
CommandLine ParseCommandLine(const QStringList& arguments);

// A line of the program's on its error output, "dutyloop: <text>", with the colon as the
// language writes it; every message the command line prints starts so.
QString ProgramMessage(const QString& text);

} // namespace dutyloop
