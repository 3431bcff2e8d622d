#pragma once

#include "calendar/month_page.h"
#include "settings/settings_file.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace dutyloop {

class ColorPicker;
class ComboBox;
class Panel;
class ToggleSwitch;

// The colours the user can pick, one button each; the grid colour has none.
enum class ColorRole { Work, Off, LeadTrail, Background };

// The Settings tab: the assignment, the week start, the four colour buttons with their picker,
// Save and Export. Its controls change the window's settings in memory at once; the calendar
// takes them at its next redraw.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    SettingsPage(Settings& settings, QWidget* parent);
    ~SettingsPage() override;

    // At start-up, from the settings read: the list's entry, the switch and the colour captions.
    void showSettings();
    // At every redraw of the calendar: the panels, the title and the tool bar's buttons.
    void showLook(const TabLook& look);

    // The entry the list shows, -1 for none; the calendar's title follows it.
    int selectedAssignment() const;
    QString selectedAssignmentText() const;
    // Says under the Export button what the last export wrote, to the eye and to the screen
    // reader alike.
    void showExportMessage(const QString& message);

signals:
    void backRequested();
    void saveRequested();
    void exportRequested();
    void printRequested();
    // A new background shows on this tab at once, and on the About tab's links and text.
    void backgroundPicked(QRgb background);

private:
    void buildToolBar();
    void buildControls();
    void buildColorButtons();
    void applyAssignment();
    void openColorPicker(ColorRole role);
    void applyPickedColor();
    void showPickedBackground(QRgb background);

    Settings& m_settings;
    Panel* m_background = nullptr;
    Panel* m_toolBarPanel = nullptr;
    QLabel* m_title = nullptr;
    QToolButton* m_back = nullptr;
    QPushButton* m_save = nullptr;
    ColorPicker* m_colorPicker = nullptr;
    ColorRole m_pickingFor = ColorRole::Work;
    QLabel* m_assignmentLabel = nullptr;
    ComboBox* m_assignment = nullptr;
    QLabel* m_weekStartLabel = nullptr;
    ToggleSwitch* m_weekStart = nullptr;
    QPushButton* m_workColor = nullptr;
    QPushButton* m_offColor = nullptr;
    QPushButton* m_leadTrailColor = nullptr;
    QPushButton* m_backgroundColor = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_print = nullptr;
    QLabel* m_exportMessage = nullptr;
};

} // namespace dutyloop
