#include "ui/window/duty_reminders.h"

#include "platform/days_store.h"
#include "platform/settings_model.h"

#include "schedule/crew.h"

#include <algorithm>
#include <utility>

namespace dutyloop {

namespace {

// The due timer counts in milliseconds of an int; the coarse check covers longer waits.
constexpr qint64 kLongestWait = 3600 * 1000;

} // namespace

DutyReminders::DutyReminders(std::function<QDateTime()> now,
                             std::function<void(const QString&)> notify, QLocale locale,
                             std::chrono::milliseconds checkInterval, QObject* parent)
    : QObject(parent), m_now(std::move(now)), m_notify(std::move(notify)),
      m_locale(std::move(locale)) {
    m_dueTimer.setSingleShot(true);
    m_dueTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_dueTimer, &QTimer::timeout, this, &DutyReminders::remindWhenDue);
    m_checkTimer.setInterval(checkInterval);
    connect(&m_checkTimer, &QTimer::timeout, this, &DutyReminders::remindWhenDue);
    m_checkTimer.start();
    // A reminder that fell due while the program was not running is not said at its start.
    m_doneUpTo = m_now().addSecs(-std::chrono::seconds(kLateness).count());
}

void DutyReminders::follow(const SettingsModel* settings, const DaysStore* days) {
    m_settings = settings;
    m_days = days;
    connect(settings, &SettingsModel::savedChanged, this, &DutyReminders::followSaved);
    connect(days, &DaysStore::changed, this, &DutyReminders::followSaved);
    followSaved();
}

void DutyReminders::followSaved() {
    // A reminder that the new settings put in the past is let go, as at start.
    const QDateTime now = m_now();
    m_doneUpTo = std::max(m_doneUpTo, now.addSecs(-std::chrono::seconds(kLateness).count()));
    remindWhenDue();
}

std::optional<DutyReminder> DutyReminders::reminderAfter(const QDateTime& moment) const {
    if (!m_settings)
        return std::nullopt;
    const Settings& saved = m_settings->saved();
    const std::optional<Crew> crew = CrewFollowing(saved.assignment);
    if (!crew)
        return std::nullopt;
    return NextReminderAfter(
        moment, CrewDutyFor(saved, *crew, m_days->changesOf(saved.assignment), moment.timeZone()),
        saved.reminder);
}

std::optional<QDateTime> DutyReminders::nextReminder() const {
    const std::optional<DutyReminder> next = reminderAfter(m_doneUpTo);
    return next ? std::optional<QDateTime>(next->at) : std::nullopt;
}

void DutyReminders::remindWhenDue() {
    const QDateTime now = m_now();
    const QDateTime tooLate = now.addSecs(-std::chrono::seconds(kLateness).count());
    // Every reminder due by now, said where it is not too late and its duty not yet reminded of.
    for (std::optional<DutyReminder> due = reminderAfter(m_doneUpTo); due && due->at <= now;
         due = reminderAfter(m_doneUpTo)) {
        m_doneUpTo = due->at;
        if (due->at < tooLate || m_remindedDuties.count(due->duty.period.start) > 0)
            continue;
        m_remindedDuties.insert(due->duty.period.start);
        const std::optional<Crew> crew = CrewFollowing(m_settings->saved().assignment);
        m_notify(ReminderSummary(due->duty, crew->entry, now, m_locale));
    }
    // Duties long past need no guard against a second reminder.
    std::erase_if(m_remindedDuties,
                  [&now](const QDateTime& start) { return start.daysTo(now) > 2; });
    arm(now);
}

void DutyReminders::arm(const QDateTime& now) {
    m_dueTimer.stop();
    const std::optional<QDateTime> next = nextReminder();
    if (!next)
        return;
    m_dueTimer.start(int(std::clamp<qint64>(now.msecsTo(*next), 0, kLongestWait)));
}

} // namespace dutyloop
