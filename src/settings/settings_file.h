#pragma once

#include "schedule/holidays.h"
#include "settings/colors.h"

#include <QByteArray>
#include <QString>

namespace dutyloop {

struct Settings {
    QString assignment = QStringLiteral("Tornvale");
    bool weekStartsOnMonday = false;
    ColorSettings colors;
    // Whose public holidays are marked: a region's, or, where `holidayFile` names one, those of
    // an iCalendar file; none by default.
    HolidayRegion holidayRegion = HolidayRegion::None;
    QString holidayFile;
    friend bool operator==(const Settings&, const Settings&) = default;
};

// The settings that the file's text holds, each missing or unusable one at its default. Weeks
// start on Monday where the file does not say otherwise and `mondayFirst` is true, which the
// caller takes from the user's locale.
Settings SettingsFromText(const QByteArray& fileText, bool mondayFirst = false);

// The file's text with the settings written into it; every other line stays as it was.
QByteArray TextWithSettings(const QByteArray& fileText, const Settings& settings);

} // namespace dutyloop
