#include "ui/window/shown_holidays.h"

#include "platform/holiday_calendar.h"
#include "platform/settings_model.h"

#include <QWidget>

namespace dutyloop {

ShownHolidays::ShownHolidays(QWidget* window, Platform platform, SettingsModel* settings)
    : QObject(window), m_window(window), m_platform(std::move(platform)), m_settings(settings) {
    load(settings->edited());
    connect(settings, &SettingsModel::editedChanged, this,
            [this](const Settings& edited) { follow(edited); });
}

// Holidays are read once for each choice of them, also where the choice was read as it was made.
void ShownHolidays::follow(const Settings& settings) {
    if (std::pair(settings.holidayRegion, settings.holidayFile) != m_readFor)
        load(settings);
}

void ShownHolidays::load(const Settings& settings) {
    HolidayCalendar calendar = LoadHolidayCalendar(settings);
    show(std::move(calendar.holidays), settings);
    if (!calendar.error.isEmpty())
        m_platform.showError(m_window, calendar.error);
}

void ShownHolidays::show(std::optional<HolidayList> holidays, const Settings& readFor) {
    m_holidays = std::move(holidays);
    m_readFor = {readFor.holidayRegion, readFor.holidayFile};
    emit changed();
}

void ShownHolidays::chooseFile() {
    if (!m_platform.chooseOpenFile)
        return;
    const QString path =
        m_platform.chooseOpenFile(m_window, tr("Calendar of Holidays"), m_platform.documentsFolder,
                                  tr("iCalendar files (*.ics)"));
    if (path.isEmpty())
        return;
    Settings chosen = m_settings->edited();
    chosen.holidayFile = path;
    HolidayCalendar calendar = LoadHolidayCalendar(chosen);
    if (!calendar.holidays) {
        m_platform.showError(m_window, calendar.error);
        return;
    }
    // The file read is the one marked: a large one is not read a second time for the edit.
    show(std::move(calendar.holidays), chosen);
    m_settings->edit(chosen);
    if (!calendar.error.isEmpty())
        m_platform.showError(m_window, calendar.error);
}

} // namespace dutyloop
