#pragma once

#include "calendar/colors.h"

#include <QByteArray>
#include <QString>

namespace dutyloop {

struct Settings {
    QString assignmentText = QStringLiteral("Tornvale");
    bool weekStartsOnMonday = false;
    ColorSettings colors;
};

// The full path of dlTornvale.ini for the user folder `base`: in base/Halvorne/Dutyloop when
// that folder exists or can be made, else in base/Dutyloop likewise, else in base itself.
// Folders are made as a side effect; nothing is reported, since the program starts either way.
QString FindSettingsFile(const QString& base);

// The settings that the file's text holds, each missing or unusable one at its default.
Settings SettingsFromText(const QByteArray& fileText);

// The file's text with the settings written into it; every other line stays as it was.
QByteArray TextWithSettings(const QByteArray& fileText, const Settings& settings);

} // namespace dutyloop
