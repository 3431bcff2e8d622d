#pragma once

#include "platform/platform.h"
#include "schedule/holidays.h"
#include "settings/settings_file.h"

#include <QObject>
#include <optional>
#include <utility>

class QWidget;

namespace dutyloop {

class SettingsModel;

// The public holidays the window marks, counts, exports and prints: those the settings in memory
// choose, read once for each choice of them. A choice that cannot be read marks none, and the
// user is told why.
class ShownHolidays : public QObject {
    Q_OBJECT
public:
    ShownHolidays(QWidget* window, Platform platform, SettingsModel* settings);

    // None where no calendar is chosen or it could not be read.
    const HolidayList* list() const { return m_holidays ? &*m_holidays : nullptr; }
    // "From a file…": a file that cannot be read changes nothing, the list keeps what it showed.
    void chooseFile();

signals:
    void changed();

private:
    void follow(const Settings& settings);
    void load(const Settings& settings);
    void show(std::optional<HolidayList> holidays, const Settings& readFor);

    QWidget* m_window = nullptr;
    Platform m_platform;
    SettingsModel* m_settings = nullptr;
    std::optional<HolidayList> m_holidays;
    // The choice of holidays `m_holidays` was read for.
    std::pair<HolidayRegion, QString> m_readFor{HolidayRegion::None, QString()};
};

} // namespace dutyloop
