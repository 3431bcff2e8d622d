#pragma once

#include "schedule/duty_hours.h"
#include "schedule/holidays.h"
#include "schedule/reminder.h"
#include "settings/colors.h"
#include "settings/publish_target.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>

namespace dutyloop {

struct Settings {
    QString assignment = QStringLiteral("Tornvale");
    bool weekStartsOnMonday = false;
    ColorSettings colors;
    // Whose public holidays are marked: a region's, or, where `holidayFile` names one, those of
    // an iCalendar file; none by default.
    HolidayRegion holidayRegion = HolidayRegion::None;
    QString holidayFile;
    // Each crew's duty hours, by its entry in the assignment list; a crew without an entry is
    // on duty all day, as every crew is until its hours are set.
    std::map<QString, DutyHours> dutyHours;
    // When duties are reminded of, in the exported calendar and on the desktop; never by
    // default.
    Reminder reminder;
    // Where the chosen crew's duty is published and kept current; nowhere by default.
    PublishTarget publish;
    friend bool operator==(const Settings&, const Settings&) = default;
};

// A crew's duty hours, by its entry in the assignment list; none where they are all day.
inline const DutyHours* DutyHoursOf(const Settings& settings, const QString& crew) {
    const auto hours = settings.dutyHours.find(crew);
    return hours == settings.dutyHours.end() ? nullptr : &hours->second;
}
// The chosen crew's.
inline const DutyHours* DutyHoursOf(const Settings& settings) {
    return DutyHoursOf(settings, settings.assignment);
}

// The settings that the file's text holds, each missing or unusable one at its default. Weeks
// start on Monday where the file does not say otherwise and `mondayFirst` is true, which the
// caller takes from the user's locale.
Settings SettingsFromText(const QByteArray& fileText, bool mondayFirst = false);

// "07:00-07:00": a duty's start and end as the settings file keeps them; nullopt for any other
// text, so that a hostile value leaves the crew on duty all day.
std::optional<DutyHours> DutyHoursFromText(QByteArrayView text);
QByteArray DutyHoursText(const DutyHours& hours);

// "15", "60" or "120" (minutes before the duty) or "19:00" (the evening before, at that time):
// a reminder as the settings file keeps it; nullopt for any other text, so that a hostile value
// reminds of nothing.
std::optional<Reminder> ReminderFromText(QByteArrayView text);
QByteArray ReminderText(const Reminder& reminder);

// The file's text with the settings written into it; every other line stays as it was.
QByteArray TextWithSettings(const QByteArray& fileText, const Settings& settings);

} // namespace dutyloop
