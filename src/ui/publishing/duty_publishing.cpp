#include "ui/publishing/duty_publishing.h"

#include "platform/days_store.h"
#include "platform/holiday_calendar.h"
#include "platform/settings_model.h"
#include "publishing/clear_text.h"
#include "publishing/publisher.h"
#include "publishing/secret_store.h"

#include <utility>

namespace dutyloop {

namespace {

using Kind = PublishTarget::Kind;

// The same events with the same contents, for the same days: nothing to send.
bool SameDuty(const PublishedDuty& one, const PublishedDuty& other) {
    if (one.crew != other.crew || !(one.days == other.days) ||
        one.events.size() != other.events.size())
        return false;
    for (qsizetype i = 0; i < one.events.size(); ++i) {
        if (one.events[i].uid != other.events[i].uid || one.events[i].hash != other.events[i].hash)
            return false;
    }
    return true;
}

// "n minutes ago" moves on once a minute.
constexpr int kMinuteMs = 60 * 1000;

} // namespace

DutyPublishing::DutyPublishing(const QString& settingsFolder, std::function<QDateTime()> now,
                               QObject* parent)
    : QObject(parent), m_now(std::move(now)) {
    m_publisher = new Publisher(settingsFolder, m_now, this);
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &DutyPublishing::publishNow);
    m_minute.setInterval(kMinuteMs);
    connect(&m_minute, &QTimer::timeout, this, [this] { emit statusChanged(status()); });
    connect(m_publisher, &Publisher::statusChanged, this, &DutyPublishing::statusChanged);
}

void DutyPublishing::start(const PublishTarget& target) {
    m_target = target;
    if (target.kind != Kind::CalDav) {
        useTarget(target, QString());
        return;
    }
    ReadPassword(target, this, [this, target](const SecretAnswer& answer) {
        // A target the user set meanwhile has its own password.
        if (m_targetSet)
            return;
        // Asked for first, so that the window hears what the missing password leaves waiting
        // as the answer to its question. A calendar without a user name takes none, and one
        // the password may not go to is asked about before the password is.
        const bool wanted = !target.user.isEmpty() && PasswordMayGo(target);
        if (answer.outcome == SecretAnswer::Outcome::NotFound && wanted)
            emit passwordWanted(QString());
        else if (answer.outcome != SecretAnswer::Outcome::Done && wanted)
            emit passwordWanted(answer.problem.isEmpty() ? tr("no answer") : answer.problem);
        useTarget(target, answer.password);
    });
}

void DutyPublishing::setTarget(const PublishTarget& target, const QString& password) {
    m_target = target;
    useTarget(target, password);
}

void DutyPublishing::keepPassword(const PublishTarget& target, const QString& password) {
    WritePassword(target, password, this, [this](const SecretAnswer& answer) {
        if (answer.outcome == SecretAnswer::Outcome::NoStore)
            emit passwordNotKept(answer.problem.isEmpty() ? tr("no answer") : answer.problem);
    });
}

void DutyPublishing::useTarget(const PublishTarget& target, const QString& password) {
    m_targetSet = true;
    m_password = password;
    // What the last target was given says nothing of this one.
    m_sent.reset();
    m_publisher->setTarget(target, password);
    if (target.kind == Kind::None)
        m_minute.stop();
    else
        m_minute.start();
    // A new target is given the duty at once: there is no burst to wait out.
    m_pause.stop();
    publishNow();
}

void DutyPublishing::follow(const SettingsModel* settings, const DaysStore* days) {
    m_settings = settings;
    m_days = days;
    m_holidaysOf = {HolidayRegion::None, QString()};
    m_savedTarget = settings->saved().publish;
    connect(settings, &SettingsModel::savedChanged, this, &DutyPublishing::followSettings);
    connect(days, &DaysStore::changed, this, &DutyPublishing::followToday);
    followSettings(settings->saved());
}

// Where holidays cannot be read, the window has said so when they were chosen; none are named.
void DutyPublishing::followSettings(const Settings& saved) {
    // A calendar the saved settings no longer name, by the Publish dialog or by a file saved
    // with another target in it, needs its password no more: it leaves the secret store. The
    // same calendar with the same user keeps it.
    const PublishTarget earlier = std::exchange(m_savedTarget, saved.publish);
    if (earlier.kind == Kind::CalDav &&
        PublishTargetKey(earlier) != PublishTargetKey(saved.publish))
        DeletePassword(earlier, this, {});
    const std::pair<HolidayRegion, QString> holidaysOf{saved.holidayRegion, saved.holidayFile};
    if (holidaysOf != m_holidaysOf || (!m_holidays && holidaysOf.first != HolidayRegion::None)) {
        m_holidays = LoadHolidayCalendar(saved).holidays;
        m_holidaysOf = holidaysOf;
    }
    followToday();
}

void DutyPublishing::followToday() {
    if (m_target.kind != Kind::None)
        m_pause.start();
}

void DutyPublishing::retryNow() {
    m_publisher->retryNow();
}

PublishStatus DutyPublishing::status() const {
    return m_publisher->status();
}

void DutyPublishing::publishNow() {
    if (!m_targetSet || !m_settings || m_target.kind == Kind::None)
        return;
    // The months are the target's as set here, which may run ahead of the saved settings while
    // the secret store is asked for a new target's password.
    Settings wanted = m_settings->saved();
    wanted.publish = m_target;
    PublishedDuty duty =
        PublishedDutyFor(wanted, m_days->changes(), m_now(), m_holidays ? &*m_holidays : nullptr);
    if (m_sent && SameDuty(*m_sent, duty))
        return;
    m_sent = duty;
    m_publisher->publish(duty);
}

} // namespace dutyloop
