#pragma once

#include "calendar/month_page.h"
#include "ui/publishing/publish_state_row.h"
#include "ui/settings/colors_group.h"

#include <QLocale>
#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace dutyloop {

class Announcer;
class ColorPicker;
class CrewGroup;
class DutyHoursGroup;
class FilesGroup;
class HolidaysGroup;
class Panel;
class SettingsModel;

// The Settings tab: its tool bar with Save and the colour picker, and below it the groups of
// settings, each a group of rows of its own in the one form: the crew and week, the holidays, the
// duty hours and reminder, the colours, and Export, Print and Publish. The groups show the settings
// as edited and hand each change to the settings model; the colour names are in the language of
// `locale`.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    SettingsPage(const QLocale& locale, SettingsModel* settings, QWidget* parent);

    // Puts the keyboard focus on the assignment list.
    void focusAssignment();
    // At every redraw: the panels, the title, the labels and the tool bar's buttons.
    void showLook(const TabLook& look);
    // The look of a background the user has just picked, which the labels take too.
    void showPickedBackground(const TabLook& look);
    // Save can be pressed while there is something to save.
    void setSaveEnabled(bool enabled);

    // Says under the Export and Print buttons what the last export or the last PDF file saved
    // wrote, to the eye, and to a screen reader on the button that wrote it.
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
    // "From a file…" in the holidays list: the window asks which.
    void holidayFileRequested();

private:
    void buildToolBar(const QLocale& locale);
    void buildGroups(const QLocale& locale);
    void showSettings();
    void openColorPicker(ColorSetting setting);
    void applyPickedColor();

    SettingsModel* m_settings = nullptr;
    Panel* m_background = nullptr;
    Panel* m_toolBarPanel = nullptr;
    QLabel* m_title = nullptr;
    QToolButton* m_back = nullptr;
    QPushButton* m_save = nullptr;
    ColorPicker* m_colorPicker = nullptr;
    ColorSetting m_pickingFor = ColorSetting::Work;
    CrewGroup* m_crew = nullptr;
    HolidaysGroup* m_holidays = nullptr;
    DutyHoursGroup* m_dutyHours = nullptr;
    ColorsGroup* m_colors = nullptr;
    FilesGroup* m_files = nullptr;
    Announcer* m_announcer = nullptr;
};

} // namespace dutyloop
