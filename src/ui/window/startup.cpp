#include "ui/window/startup.h"

#include "platform/command_line.h"
#include "platform/file_services.h"
#include "platform/platform.h"
#include "platform/product.h"
#include "platform/settings_location.h"
#include "platform/single_instance.h"
#include "platform/translations.h"
#include "ui/printing/print_year_command.h"
#include "ui/printing/year_printing.h"
#include "ui/window/main_window.h"
#include "ui/window/system_dialogs.h"

#include <QApplication>

#include <cstdio>
#include <optional>

namespace dutyloop {

namespace {

// What a second start hands to the window that runs: the day it was asked to open on, if any.
QByteArray HandOverMessage(const CommandLine& line) {
    return line.date.isValid() ? line.date.toString(Qt::ISODate).toLatin1() : QByteArray("show");
}

// The command line is answered before any window or display is needed: --help, --version, a
// mistake, or a window of the same settings that already runs and takes this start over.
std::optional<int> AnswerWithoutWindow(const CommandLine& line, const QString& instanceName) {
    if (line.action == CommandLine::Action::PrintAndExit) {
        std::fputs(line.output.toLocal8Bit().constData(), line.exitCode == 0 ? stdout : stderr);
        return line.exitCode;
    }
    if (line.action == CommandLine::Action::PrintYear)
        return std::nullopt;
    if (SingleInstance::HandOver(instanceName, HandOverMessage(line)))
        return 0;
    return std::nullopt;
}

// A PDF needs fonts but no screen: without a platform asked for, the offscreen one serves.
int PrintYearWithoutWindow(int& argc, char** argv, const CommandLine& line) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const QLocale locale = QLocale::system();
    const Translations translations(locale);
    return PrintYearToFile(line, locale, QDate::currentDate(), UserConfigFolder());
}

} // namespace

void FollowSecondStarts(SingleInstance& instance, MainWindow& window) {
    QObject::connect(
        &instance, &SingleInstance::messageReceived, &window, [&window](const QByteArray& message) {
            const QDate day = QDate::fromString(QString::fromLatin1(message), Qt::ISODate);
            if (day.isValid())
                window.showDay(day);
            window.bringToFront();
        });
}

int RunApplication(int& argc, char** argv) {
    CommandLine line;
    QString instanceName;
    {
        const QCoreApplication commandLine(argc, argv);
        const Translations translations(QLocale::system());
        line = ParseCommandLine(QCoreApplication::arguments());
        if (line.action == CommandLine::Action::OpenWindow)
            instanceName = InstanceName(FindSettingsFile(UserConfigFolder()));
        if (const std::optional<int> answered = AnswerWithoutWindow(line, instanceName))
            return *answered;
    }
    if (line.action == CommandLine::Action::PrintYear)
        return PrintYearWithoutWindow(argc, argv, line);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dutyloop"));
    QApplication::setApplicationVersion(ProductVersion());
    QApplication::setOrganizationName(QStringLiteral("Halvorne"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));

    Platform platform = SystemPlatform();
    platform.showError = ShowErrorBox;
    platform.chooseSaveFile = AskForSaveFile;
    platform.chooseOpenFile = AskForFileToOpen;
    // In the language of the locale the window is given; a right-to-left one mirrors it.
    const Translations translations(platform.locale);
    SingleInstance instance(instanceName);
    instance.listen();
    MainWindow window(std::move(platform));
    if (line.date.isValid())
        window.showDay(line.date);
    FollowSecondStarts(instance, window);
    window.show();
    return QApplication::exec();
}

} // namespace dutyloop
