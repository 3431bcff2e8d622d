#pragma once

#include "calendar/locale_settings.h"
#include "calendar/month_grid.h"
#include "calendar/month_page.h"
#include "calendar/sizing.h"
#include "platform/platform.h"
#include "settings/settings_file.h"

#include <QByteArrayList>
#include <QDate>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

namespace dutyloop {

struct PublishStatus;
class AboutPage;
class DaysStore;
class SettingsModel;
class Announcer;
class CalendarNavigation;
class CalendarPage;
class DutyPublishing;
class DutyReminders;
class HelpPage;
class SettingsPage;
class EqualTabWidget;

// The one window: its four tabs, the state the calendar is drawn from, and the answers to what
// the user asks for. The rules themselves live in plain functions below the widgets.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Platform platform, QWidget* parent = nullptr);

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
    // Every key of the calendar, from any tab; `onTheDays` where the month view has it. True
    // where the key was the calendar's.
    bool handleCalendarKey(int key, bool onTheDays);

private slots:
    void applySettings(const dutyloop::Settings& settings, const dutyloop::Settings& before);
    void loadHolidays();
    void showHolidays(std::optional<HolidayList> holidays, const Settings& readFor);
    void chooseHolidayFile();
    const HolidayList* shownHolidays() const;
    void applyTabChange();
    void showCalendar();
    void save();
    void exportDutyDays();
    void printDutyYear();
    void openLink(const QUrl& link);
    void followToday();
    void changeDay(QDate day);
    void showPublishStatus(const dutyloop::PublishStatus& status);
    void showModified(bool modified);

private:
    void connectPages();
    void start();
    void showAboutText();
    QDate today() const;
    void placeCalendar();
    void fitOuterSizeOnce();
    Platform fileWritingPlatform();
    // Saves the settings; false where they could not be written, which the error box has said.
    bool saveSettings();
    // Writes a publishing target into the settings file; false where it could not be.
    bool saveTarget(const PublishTarget& target);
    void startPublishing();
    // The Publish dialog; `forPassword` where it opens to ask for the password.
    void runPublishDialog(bool forPassword = false);
    void askForPublishPassword();
    // Says where publishing stands once it has an outcome: now, or when the run under way ends.
    void sayPublishOutcome();
    void offerPasswordEntry();
    void askToAcceptCertificate(const QByteArray& fingerprint);

    Platform m_platform;
    EqualTabWidget* m_tabs = nullptr;
    CalendarPage* m_calendarPage = nullptr;
    SettingsPage* m_settingsPage = nullptr;
    HelpPage* m_helpPage = nullptr;
    AboutPage* m_aboutPage = nullptr;
    Announcer* m_announcer = nullptr;
    DutyReminders* m_dutyReminders = nullptr;
    DutyPublishing* m_publishing = nullptr;
    // Whether the last word on publishing was a failure, so that the recovery is said.
    bool m_publishFailing = false;
    // The user has just asked for publishing, or answered a question of it: where it ends up is
    // said, success or failure, even where a failure was said before.
    bool m_publishOutcomeWanted = false;
    // The password is being asked for: what it leaves waiting is the answer to the question,
    // said once the question is closed.
    bool m_publishPasswordQuestion = false;
    // The password is asked for once a run, and each untrusted certificate once.
    bool m_publishPasswordAsked = false;
    QByteArrayList m_certificatesAsked;

    CalendarNavigation* m_calendar = nullptr;
    SettingsModel* m_settings = nullptr;
    DaysStore* m_days = nullptr;
    LocaleSettings m_locale;
    bool m_outerSizeFitted = false;
    QDate m_today;                         // the day the calendar was last drawn for as today
    std::optional<HolidayList> m_holidays; // those marked; none where no calendar is chosen
    // The choice of holidays `m_holidays` was read for.
    std::pair<HolidayRegion, QString> m_holidaysReadFor{HolidayRegion::None, QString()};
    // Why the days file could not be read at start, until the window has said so.
    QString m_startupProblem;
    // The folder of the last file exported, proposed again; kept for this run only, as the
    // settings file holds the settings and nothing else.
    QString m_lastExportFolder;
};

} // namespace dutyloop
