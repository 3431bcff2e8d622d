#pragma once

#include "calendar/reminder_times.h"
#include "schedule/day_changes.h"
#include "settings/settings_file.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <set>

namespace dutyloop {

class DaysStore;
class SettingsModel;

// The desktop's word before a duty while the program runs: a timer armed for the next reminder
// of the assignment's duties, which hands the reminder's text to `notify` when it falls due.
// The clock can jump (a suspend and resume, a clock set by hand), so the reminder is also looked
// for on a coarse timer; a duty is reminded of once, and a reminder more than a few minutes late
// (the machine was asleep, the program was not running) is let go rather than said late.
class DutyReminders : public QObject {
    Q_OBJECT
public:
    // `now` gives the moment in the user's time zone.
    DutyReminders(std::function<QDateTime()> now, std::function<void(const QString&)> notify,
                  QLocale locale, std::chrono::milliseconds checkInterval,
                  QObject* parent = nullptr);

    // The saved settings and the saved crew's days to remind by, followed as they change.
    void follow(const SettingsModel* settings, const DaysStore* days);

    // When the next reminder falls due; none where nothing is to be reminded of.
    std::optional<QDateTime> nextReminder() const;

    // How late a reminder may still be said.
    static constexpr std::chrono::minutes kLateness{5};

private slots:
    void remindWhenDue();

private:
    std::optional<DutyReminder> reminderAfter(const QDateTime& moment) const;
    void arm(const QDateTime& now);

    std::function<QDateTime()> m_now;
    std::function<void(const QString&)> m_notify;
    QLocale m_locale;
    QTimer m_dueTimer;
    QTimer m_checkTimer;
    void followSaved();

    const SettingsModel* m_settings = nullptr;
    const DaysStore* m_days = nullptr;
    // Reminders due up to this moment have been said or let go.
    QDateTime m_doneUpTo;
    // The starts of the duties reminded of, so that none is reminded of twice, whatever the
    // clock or the settings do meanwhile.
    std::set<QDateTime> m_remindedDuties;
};

} // namespace dutyloop
