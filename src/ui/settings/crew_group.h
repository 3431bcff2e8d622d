#pragma once

#include <QObject>
#include <QRgb>

class QLabel;
class QVBoxLayout;
class QWidget;

namespace dutyloop {

class Announcer;
class ClosingComboBox;
class SettingsModel;
class ToggleSwitch;
struct Settings;

// The crew whose duty the calendar shows, and the day its weeks start on.
class CrewGroup : public QObject {
    Q_OBJECT
public:
    CrewGroup(SettingsModel* settings, Announcer* announcer, QWidget* form, QVBoxLayout* rows);

    void showSettings(const Settings& settings);
    void focusAssignment();
    void setLabelColor(QRgb color);

private:
    void applyAssignment();

    SettingsModel* m_settings = nullptr;
    QLabel* m_assignmentLabel = nullptr;
    ClosingComboBox* m_assignment = nullptr;
    QLabel* m_weekStartLabel = nullptr;
    ToggleSwitch* m_weekStart = nullptr;
};

} // namespace dutyloop
