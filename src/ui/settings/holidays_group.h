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
struct Settings;

// Whose public holidays the calendar marks: a region's, or those of a calendar file.
class HolidaysGroup : public QObject {
    Q_OBJECT
public:
    HolidaysGroup(SettingsModel* settings, Announcer* announcer, QWidget* form, QVBoxLayout* rows);

    void showSettings(const Settings& settings);
    void setLabelColor(QRgb color);

signals:
    // "From a file…": the window asks which.
    void holidayFileRequested();

private:
    void applyHolidayChoice();

    SettingsModel* m_settings = nullptr;
    QLabel* m_label = nullptr;
    ClosingComboBox* m_holidays = nullptr;
};

} // namespace dutyloop
