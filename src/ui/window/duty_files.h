#pragma once

#include "calendar/locale_settings.h"
#include "platform/platform.h"

#include <QObject>
#include <QString>

class QWidget;

namespace dutyloop {

class Announcer;
class CalendarNavigation;
class DaysStore;
class SettingsModel;
class SettingsPage;
class ShownHolidays;

// The duty written out from the window: the exported calendar and the printed year, of the
// settings and the month shown, and what the Settings tab says of the file written.
class DutyFiles : public QObject {
    Q_OBJECT
public:
    struct Sources {
        const SettingsModel* settings = nullptr;
        const DaysStore* days = nullptr;
        const ShownHolidays* holidays = nullptr;
        const CalendarNavigation* calendar = nullptr;
        LocaleSettings locale;
    };
    DutyFiles(QWidget* window, Platform platform, Sources sources, SettingsPage* page,
              Announcer* announcer);

    void exportDutyDays();
    void printDutyYear();

private:
    Platform fileWritingPlatform();

    QWidget* m_window = nullptr;
    Platform m_platform;
    Sources m_sources;
    SettingsPage* m_page = nullptr;
    Announcer* m_announcer = nullptr;
    // The folder of the last file exported, proposed again; kept for this run only, as the
    // settings file holds the settings and nothing else.
    QString m_lastExportFolder;
};

} // namespace dutyloop
