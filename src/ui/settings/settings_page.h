#pragma once

#include "calendar/month_page.h"
#include "settings/settings_file.h"
#include "ui/settings/publish_state_row.h"

#include <QLocale>
#include <QTime>
#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace dutyloop {

class Announcer;
class ColorPicker;
class ClosingComboBox;
class DutyHoursRows;
class FileButtons;
class HolidaysRow;
class Panel;
class ToggleSwitch;

// The colours the user can pick, one button each; the grid colour has none.
enum class ColorSetting { Work, Off, LeadTrail, Background };

// The Settings tab: the assignment, the week start, the four colour buttons with their picker,
// Save, Export, Print and Publish; the colour names in the language of `locale`. Each change the
// user makes is reported as the whole settings edited; the window keeps them and hands back the
// look to show.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    SettingsPage(const QLocale& locale, QWidget* parent);

    // At start-up, from the settings read: the list's entry, the switch and the colour captions.
    // The page's edits start from these.
    void showSettings(const Settings& settings);
    // Puts the keyboard focus on the assignment list.
    void focusAssignment();
    // At every redraw: the panels, the title, the labels and the tool bar's buttons.
    void showLook(const TabLook& look);
    // The look of a background the user has just picked, which the labels take too.
    void showPickedBackground(const TabLook& look);

    // Says under the Export and Print buttons what the last export or the last PDF file saved
    // wrote, to the eye, and to a screen reader on the button that wrote it, where the focus
    // comes back when its dialogs close.
    void showExportMessage(const QString& message);
    void showPrintMessage(const QString& message);
    // Takes the message away once the user does something else: what it told of is no longer
    // the last thing done, and a failed or cancelled export must not seem to have written.
    void clearFileMessage();
    // Under the Publish button: where publishing stands, and what the user can do about it;
    // also the button's description for a screen reader. Empty where nothing is published.
    // `said` where the change is told to a screen reader in words of its own, which the button,
    // where it has the focus, does not repeat.
    void showPublishState(const QString& text, PublishStateRow::Action action, bool said);

signals:
    void backRequested();
    void saveRequested();
    void exportRequested();
    void printRequested();
    void publishRequested();
    void publishRetryRequested();
    // The server refused the password: the user asks to enter it again.
    void publishPasswordRequested();
    // The settings as the user has just changed them: the assignment, the week start or a
    // colour.
    void settingsEdited(const Settings& settings);
    // "From a file…" in the holidays list: the window asks which.
    void holidayFileRequested();

private:
    void buildToolBar(const QLocale& locale);
    void buildControls(const QLocale& locale);
    void showHolidayChoice();
    void showDutyHours();
    void applyDutyHours(QTime start, int hours);
    void buildColorButtons(QWidget* form, QVBoxLayout* rows);
    void applyAssignment();
    void openColorPicker(ColorSetting setting);
    void applyPickedColor();
    void nameColorButtons();

    Settings m_edited; // the settings last shown, with the user's changes since
    Panel* m_background = nullptr;
    Panel* m_toolBarPanel = nullptr;
    QLabel* m_title = nullptr;
    QToolButton* m_back = nullptr;
    QPushButton* m_save = nullptr;
    ColorPicker* m_colorPicker = nullptr;
    ColorSetting m_pickingFor = ColorSetting::Work;
    QLabel* m_assignmentLabel = nullptr;
    ClosingComboBox* m_assignment = nullptr;
    QLabel* m_weekStartLabel = nullptr;
    ToggleSwitch* m_weekStart = nullptr;
    HolidaysRow* m_holidays = nullptr;
    DutyHoursRows* m_dutyHours = nullptr;
    QPushButton* m_workColor = nullptr;
    QPushButton* m_offColor = nullptr;
    QPushButton* m_leadTrailColor = nullptr;
    QPushButton* m_backgroundColor = nullptr;
    FileButtons* m_fileButtons = nullptr;
    Announcer* m_announcer = nullptr;
};

} // namespace dutyloop
