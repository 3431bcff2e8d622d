#include "ui/window/startup.h"

#include "calendar/date_moves.h"
#include "platform/command_line.h"
#include "platform/file_services.h"
#include "platform/next_duty_command.h"
#include "platform/platform.h"
#include "platform/product.h"
#include "platform/settings_location.h"
#include "platform/single_instance.h"
#include "platform/termination_signals.h"
#include "platform/translations.h"
#include "publishing/publish_command.h"
#include "ui/printing/print_year_command.h"
#include "ui/printing/year_printing.h"
#include "ui/window/main_window.h"
#include "ui/window/second_starts.h"
#include "ui/window/system_dialogs.h"

#include <QApplication>
#include <QTimeZone>

#include <cstdio>
#include <memory>
#include <optional>

namespace dutyloop {

namespace {

// What a second start hands to the window that runs: the day it was asked to open on, if any.
QByteArray HandOverMessage(const CommandLine& line) {
    return line.date.isValid() ? line.date.toString(Qt::ISODate).toLatin1() : QByteArray("show");
}

// The channel a window of these settings listens on, and whether this start is that window.
// A start that finds another window holding the channel hands it its day and is done; where
// that window does not answer, this start opens a window of its own rather than end without a
// word.
struct InstanceClaim {
    std::optional<InstanceChannel> channel;
    std::optional<InstanceLock> lock;
    bool handedOver = false;
};

InstanceClaim ClaimInstance(const CommandLine& line) {
    InstanceClaim claim;
    claim.channel = InstanceChannelFor(FindSettingsFile(UserConfigFolder()));
    if (!claim.channel)
        return claim;
    claim.lock = InstanceLock::Take(claim.channel->lockPath);
    if (claim.lock)
        return claim;
    claim.handedOver = SingleInstance::HandOver(claim.channel->socketPath, HandOverMessage(line));
    claim.channel.reset();
    return claim;
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
    auto* starts = new SecondStarts(window);
    QObject::connect(
        &instance, &SingleInstance::messageReceived, starts, [starts](const QByteArray& message) {
            const QDate day = QDate::fromString(QString::fromLatin1(message), Qt::ISODate);
            // Only a day the calendar shows; the window comes to the front in any
            // case.
            const bool shown = day.isValid() && day >= kPickerFirstDate && day <= kPickerLastDate;
            starts->follow(shown ? std::optional(day) : std::nullopt);
        });
}

int RunApplication(int& argc, char** argv) {
    CommandLine line;
    InstanceClaim claim;
    {
        const QCoreApplication commandLine(argc, argv);
        const Translations translations(QLocale::system());
        line = ParseCommandLine(QCoreApplication::arguments());
        if (line.action == CommandLine::Action::PrintAndExit) {
            std::fputs(line.output.toLocal8Bit().constData(), line.exitCode == 0 ? stdout : stderr);
            return line.exitCode;
        }
        if (line.action == CommandLine::Action::NextDuty)
            return PrintNextDuty(
                QDateTime::currentDateTime().toTimeZone(QTimeZone::systemTimeZone()),
                UserConfigFolder());
        if (line.action == CommandLine::Action::Publish) {
            const int exitCode =
                PublishOnce(QDateTime::currentDateTime().toTimeZone(QTimeZone::systemTimeZone()),
                            UserConfigFolder(), line.passwordFile);
            // The network's last replies go while the application is there, and the thread
            // that served them with them.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return exitCode;
        }
        if (line.action == CommandLine::Action::OpenWindow) {
            claim = ClaimInstance(line);
            if (claim.handedOver)
                return 0;
        }
    }
    if (line.action == CommandLine::Action::PrintYear)
        return PrintYearWithoutWindow(argc, argv, line);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dutyloop"));
    QApplication::setApplicationVersion(ProductVersion());
    QApplication::setOrganizationName(QStringLiteral("Halvorne"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    QuitOnTerminationSignals(app);

    Platform platform = SystemPlatform();
    platform.showError = ShowErrorBox;
    platform.chooseSaveFile = AskForSaveFile;
    platform.chooseOpenFile = AskForFileToOpen;
    platform.chooseFolder = AskForFolder;
    // In the language of the locale the window is given; a right-to-left one mirrors it.
    const Translations translations(platform.locale);
    MainWindow window(std::move(platform));
    std::unique_ptr<SingleInstance> instance;
    if (claim.channel && claim.lock) {
        instance = std::make_unique<SingleInstance>(*claim.channel, std::move(*claim.lock));
        instance->listen();
        FollowSecondStarts(*instance, window);
    }
    if (line.date.isValid())
        window.showDay(line.date);
    window.show();
    return QApplication::exec();
}

} // namespace dutyloop
