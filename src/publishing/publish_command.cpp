#include "publishing/publish_command.h"

#include "calendar/published_duty.h"
#include "platform/command_line.h"
#include "platform/day_changes_store.h"
#include "platform/file_services.h"
#include "platform/holiday_calendar.h"
#include "platform/settings_location.h"
#include "publishing/publish_texts.h"
#include "publishing/publisher.h"
#include "publishing/secret_store.h"
#include "schedule/crew.h"
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace dutyloop {

namespace {

int Say(const QString& text, int exitCode) {
    std::fputs(ProgramMessage(text).toLocal8Bit().constData(), stderr);
    return exitCode;
}

// The password file's first line, where the file is the user's own and no one else may read it
// or write it; nullopt with the reason otherwise.
std::optional<QString> PasswordFromFile(const QString& path, QString& refusal) {
    struct stat seen {};
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &seen) != 0 || !S_ISREG(seen.st_mode)) {
        refusal = QCoreApplication::translate("Publishing", "%1 is not a file").arg(path);
        return std::nullopt;
    }
    if (seen.st_uid != ::getuid() || (seen.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        refusal = QCoreApplication::translate(
                      "Publishing", "%1 must be yours and neither readable nor writable by others "
                                    "(chmod 600)")
                      .arg(path);
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes) {
        refusal = UnableToReadMessage(path, ReadFile(path));
        return std::nullopt;
    }
    return QString::fromUtf8(bytes->split('\n').first()).remove(u'\r');
}

// The password of a CalDAV target, or the exit code after saying why there is none.
std::optional<QString> PasswordFor(const PublishTarget& target, const QString& passwordFile,
                                   int& exitCode) {
    if (target.kind != PublishTarget::Kind::CalDav)
        return QString();
    if (!passwordFile.isEmpty()) {
        QString refusal;
        const std::optional<QString> password = PasswordFromFile(passwordFile, refusal);
        if (!password)
            exitCode = Say(refusal, 2);
        return password;
    }
    const SecretAnswer answer = ReadPasswordNow(target);
    if (answer.outcome == SecretAnswer::Outcome::Done)
        return answer.password;
    exitCode =
        Say(answer.outcome == SecretAnswer::Outcome::NotFound
                ? QCoreApplication::translate(
                      "Publishing", "no password is saved for %1; publish once from the window, or "
                                    "give --password-file")
                      .arg(PublishTargetName(target))
                : QCoreApplication::translate("Publishing", "the secret store did not answer: %1")
                      .arg(answer.problem),
            1);
    return std::nullopt;
}

PublishStatus RunToItsEnd(Publisher& publisher, const PublishedDuty& duty) {
    QEventLoop loop;
    QObject::connect(&publisher, &Publisher::statusChanged, &loop,
                     [&loop](const PublishStatus& status) {
                         if (status.state != PublishStatus::State::Publishing)
                             loop.quit();
                     });
    publisher.publish(duty);
    if (publisher.status().state == PublishStatus::State::Publishing)
        loop.exec();
    return publisher.status();
}

} // namespace

int PublishOnce(const QDateTime& now, const QString& configFolder, const QString& passwordFile) {
    const QString settingsFile = SettingsFileToRead(configFolder);
    const Settings settings = SettingsFromText(ReadFileBytes(settingsFile).value_or(QByteArray()));
    const PublishTarget& target = settings.publish;
    if (target.kind == PublishTarget::Kind::None)
        return Say(QCoreApplication::translate(
                       "Publishing",
                       "no place to publish is set; choose one with Publish… on the Settings tab"),
                   2);
    const std::optional<Crew> crew = CrewFollowing(settings.assignment);
    if (!crew)
        return Say(QCoreApplication::translate(
                       "CommandLine",
                       "'%1' follows no crew's rotation; choose your crew on the Settings tab.")
                       .arg(settings.assignment),
                   1);
    const DaysFile days = ReadDaysFile(DaysFilePath(settingsFile));
    if (!days.changes)
        return Say(days.unreadable, 1);
    int exitCode = 0;
    const std::optional<QString> password = PasswordFor(target, passwordFile, exitCode);
    if (!password)
        return exitCode;

    Publisher publisher(QFileInfo(settingsFile).absolutePath(), [now] { return now; });
    publisher.setRetrying(false);
    publisher.setTarget(target, *password);
    const PublishProblem refused = publisher.status().problem;
    if (refused == PublishProblem::BadTarget || refused == PublishProblem::NoPassword ||
        refused == PublishProblem::Unencrypted)
        return Say(PublishFailureText(publisher.status()), 2);
    // Holidays that cannot be had are said so; the duty is published without them.
    const HolidayCalendar holidays = LoadHolidayCalendar(settings);
    if (!holidays.error.isEmpty())
        Say(holidays.error, 0);
    const PublishStatus status =
        RunToItsEnd(publisher, PublishedDutyFor(settings, *days.changes, now,
                                                holidays.holidays ? &*holidays.holidays : nullptr));
    if (status.state != PublishStatus::State::Published)
        return Say(PublishFailureText(status), 1);
    std::fputs((PublishRunText(status, target) + u'\n').toUtf8().constData(), stdout);
    return 0;
}

} // namespace dutyloop
