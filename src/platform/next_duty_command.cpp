#include "platform/next_duty_command.h"

#include "calendar/next_duty.h"
#include "platform/command_line.h"
#include "platform/day_changes_store.h"
#include "platform/file_services.h"
#include "platform/settings_location.h"
#include "settings/settings_file.h"

#include <QCoreApplication>

#include <cstdio>

namespace dutyloop {

namespace {

int Refuse(const QString& text) {
    std::fputs(ProgramMessage(text).toLocal8Bit().constData(), stderr);
    return 1;
}

} // namespace

int PrintNextDuty(const QDateTime& now, const QString& configFolder) {
    const QString settingsFile = SettingsFileToRead(configFolder);
    const Settings settings = SettingsFromText(ReadFileBytes(settingsFile).value_or(QByteArray()));
    const std::optional<Crew> crew = CrewFollowing(settings.assignment);
    if (!crew)
        return Refuse(QCoreApplication::translate(
                          "CommandLine",
                          "'%1' follows no crew's rotation; choose your crew on the Settings tab.")
                          .arg(settings.assignment));
    // A next duty found without the user's own days could be a day of leave.
    const DaysFile days = ReadDaysFile(DaysFilePath(settingsFile));
    if (!days.changes)
        return Refuse(days.unreadable);
    const DayChanges& changes = DayChangesUnder(*days.changes, settings.assignment);
    const std::optional<UpcomingDuty> next =
        NextDuty(now, CrewDutyFor(settings, *crew, changes, now.timeZone()));
    if (!next)
        return Refuse(QCoreApplication::translate("CommandLine",
                                                  "%1 has no duty in the next %n days.", nullptr,
                                                  kNextDutyDaysAhead)
                          .arg(crew->entry));
    std::fputs((NextDutyLine(*next, crew->entry) + u'\n').toUtf8().constData(), stdout);
    return 0;
}

} // namespace dutyloop
