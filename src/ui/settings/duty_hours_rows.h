#pragma once

#include "schedule/duty_hours.h"
#include "schedule/reminder.h"

#include <QList>
#include <QObject>
#include <QTime>

class QLabel;
class QLocale;
class QSpinBox;
class QVBoxLayout;
class QWidget;

namespace dutyloop {

class Announcer;
class ClosingComboBox;
class TimeField;

// The Settings tab's rows of the chosen crew's duty hours, a start and a length, and of the
// reminder of duty, each row laid into the form's column as the ones above them. They show the
// hours and the reminder they are given, and report each change the user makes.
class DutyHoursRows : public QObject {
    Q_OBJECT
public:
    // `announcer` says an entry of the reminder's list chosen with the keys.
    DutyHoursRows(const QLocale& locale, QWidget* form, QVBoxLayout* rows, Announcer* announcer);

    // The hours of the crew the list shows, `crew` as the list spells it; none to set where it
    // follows no rotation, and none set where `hours` is null.
    void showDutyHours(const DutyHours* hours, bool hasRotation, const QString& crew);
    void showReminder(const Reminder& reminder);
    // The rows' labels, which take the colour of a background the user picks.
    QList<QLabel*> labels() const;

signals:
    // The crew's hours as the user has just set them: the start and the length in hours, 0 for
    // a duty all day.
    void dutyHoursEdited(QTime start, int hours);
    void reminderEdited(const dutyloop::Reminder& reminder);

private:
    void applyDutyHours();
    void describeDutyLength();
    void applyReminder();

    bool m_hasRotation = false;
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
