#pragma once

#include "calendar/locale_settings.h"
#include "calendar/month_grid.h"
#include "calendar/month_page.h"
#include "calendar/sizing.h"
#include "platform/platform.h"
#include "settings/settings_file.h"

#include <QDate>
#include <QUrl>
#include <QWidget>

namespace dutyloop {

class AboutPage;
class Announcer;
class CalendarNavigation;
class CalendarPage;
class DaysStore;
class DutyFiles;
class DutyReminders;
class EqualTabWidget;
class HelpPage;
class PublishingFlow;
class SettingsModel;
class SettingsPage;
class ShownHolidays;

// The one window: its four tabs, the state the calendar is drawn from, and the answers to what
// the user asks for. The rules themselves live in plain functions below the widgets.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Platform platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    const CalendarView& view() const;
    // The settings as the window shows them, saved or not.
    const Settings& settings() const;
    const QString& settingsFilePath() const;
    // What the Calendar tab shows now.
    const MonthPage& monthPage() const;

    // Opens the calendar on `day`, as a day picked in the date field is shown.
    void showDay(QDate day);
    // Brings the window before the others, as when a second start hands over to it.
    void bringToFront();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void applySettings(const dutyloop::Settings& settings, const dutyloop::Settings& before);
    void applyTabChange();
    void showCalendar();
    void save();
    void openLink(const QUrl& link);
    void followToday();

private:
    void connectPages();
    void start();
    void startPublishing();
    void startFiles();
    void showLook(const TabLook& look, bool newBackground);
    void placeCalendar();
    void fitOuterSizeOnce();
    // Saves the settings; false where they could not be written, which the error box has said.
    bool saveSettings();

    Platform m_platform;
    EqualTabWidget* m_tabs = nullptr;
    CalendarPage* m_calendarPage = nullptr;
    SettingsPage* m_settingsPage = nullptr;
    HelpPage* m_helpPage = nullptr;
    AboutPage* m_aboutPage = nullptr;
    Announcer* m_announcer = nullptr;
    DutyReminders* m_dutyReminders = nullptr;
    PublishingFlow* m_publishing = nullptr;
    ShownHolidays* m_holidays = nullptr;
    DutyFiles* m_files = nullptr;
    CalendarNavigation* m_calendar = nullptr;
    SettingsModel* m_settings = nullptr;
    DaysStore* m_days = nullptr;
    LocaleSettings m_locale;
    bool m_outerSizeFitted = false;
    // Why the days file could not be read at start, until the window has said so.
    QString m_startupProblem;
};

} // namespace dutyloop
