#pragma once

#include <QString>

namespace dutyloop {

// The full path of dlTornvale.ini for the user folder `base`: in base/Halvorne/Dutyloop when
// that folder exists or can be made, else in base/Dutyloop likewise, else in base itself.
// Folders are made as a side effect; nothing is reported, since the program starts either way.
QString FindSettingsFile(const QString& base);

// The same file for a start that only reads it: the folder that FindSettingsFile would take
// where one exists, else base itself, as when neither folder could be made. Nothing is made.
QString SettingsFileToRead(const QString& base);

// The file of the user's day changes, dutyloop-days.ini beside the settings file.
QString DaysFilePath(const QString& settingsFilePath);

} // namespace dutyloop
