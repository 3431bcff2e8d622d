#pragma once

#include <QLocale>
#include <QObject>
#include <QRgb>

class QLabel;
class QVBoxLayout;
class QWidget;
class QSpinBox;

namespace dutyloop {

class Announcer;
class ClosingComboBox;
class SettingsModel;
class TimeField;
struct Settings;

// The chosen crew's duty hours, a start and a length, and the reminder of duty.
class DutyHoursGroup : public QObject {
    Q_OBJECT
public:
    DutyHoursGroup(SettingsModel* settings, Announcer* announcer, const QLocale& locale,
                   QWidget* form, QVBoxLayout* rows);

    void showSettings(const Settings& settings);
    void setLabelColor(QRgb color);

private:
    void buildDutyHours(const QLocale& locale);
    void buildReminder(const QLocale& locale, Announcer* announcer);
    TimeField* timeField(const QLocale& locale, const char* name);
    void showDutyHours(const Settings& settings);
    void applyDutyHours();
    void describeDutyLength();
    void showReminder(const Settings& settings);
    void applyReminder();

    SettingsModel* m_settings = nullptr;
    QWidget* m_form = nullptr;
    QLabel* m_dutyStartLabel = nullptr;
    TimeField* m_dutyStart = nullptr;
    QLabel* m_dutyLengthLabel = nullptr;
    QSpinBox* m_dutyLength = nullptr; // in hours; 0 for all day
    QLabel* m_reminderLabel = nullptr;
    ClosingComboBox* m_reminder = nullptr;
    QLabel* m_eveningLabel = nullptr;
    TimeField* m_eveningAt = nullptr;
};

} // namespace dutyloop
