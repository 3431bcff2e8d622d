#pragma once

#include "calendar/published_duty.h"
#include "publishing/publish_status.h"
#include "settings/day_changes_file.h"
#include "settings/publish_target.h"
#include "settings/settings_file.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

namespace dutyloop {

class DaysStore;
class Publisher;
class SettingsModel;

// The window's side of publishing: the publisher with its target and password, and the duty it
// keeps current. A change of the duty is sent after a short pause, so that a burst of changes
// (a spin box stepped, a day dialog and the crew changed at once) is sent once; a duty that has
// not changed is not sent again. Nothing here waits: the secret store and the publisher answer
// later, from the event loop.
class DutyPublishing : public QObject {
    Q_OBJECT
public:
    // `settingsFolder` is where the publisher keeps what the target confirmed; `now` gives the
    // moment in the user's time zone, which the published months and the state's texts follow.
    DutyPublishing(const QString& settingsFolder, std::function<QDateTime()> now,
                   QObject* parent = nullptr);

    // At start: the saved target, published once the secret store has given its password.
    // Where the store has none for a calendar that needs one, `passwordWanted` asks for it.
    void start(const PublishTarget& target);
    // A target the user has just set, and its password for this run.
    void setTarget(const PublishTarget& target, const QString& password);
    // Has the secret store keep the calendar's password for the runs to come; where it does
    // not, `passwordNotKept` says why.
    void keepPassword(const PublishTarget& target, const QString& password);
    // The duty to keep published: the saved settings and every crew's days, followed as they
    // change; the holidays the saved settings name are read here, as `--publish` reads them.
    // Where the saved target changes to another calendar or user, or to none, the secret store
    // forgets the password of the calendar it replaces.
    void follow(const SettingsModel* settings, const DaysStore* days);
    // The day changed, and with it the months published.
    void followToday();
    void retryNow();

    PublishStatus status() const;
    const PublishTarget& target() const { return m_target; }
    const QString& password() const { return m_password; }

    // How long a burst of changes may last before its end is published.
    static constexpr int kPauseMs = 500;

signals:
    // The state changed, or a minute passed, and with it "n minutes ago".
    void statusChanged(const dutyloop::PublishStatus& status);
    // The calendar's password cannot be had from the secret store: `storeProblem` says why, or
    // is empty where the store answered that it has none.
    void passwordWanted(const QString& storeProblem);
    // The secret store did not keep the password given with a new target; it is kept for this
    // run only.
    void passwordNotKept(const QString& storeProblem);

private:
    void useTarget(const PublishTarget& target, const QString& password);
    void publishNow();

    std::function<QDateTime()> m_now;
    Publisher* m_publisher = nullptr;
    QTimer m_pause;
    QTimer m_minute;
    PublishTarget m_target;
    QString m_password;
    // Where the password is still being read, the target is set once it has been.
    bool m_targetSet = false;
    void followSettings(const Settings& saved);

    const SettingsModel* m_settings = nullptr;
    // The target of the saved settings as last followed.
    PublishTarget m_savedTarget;
    const DaysStore* m_days = nullptr;
    // Those of the saved settings, and the choice they were read for.
    std::optional<HolidayList> m_holidays;
    std::pair<HolidayRegion, QString> m_holidaysOf{HolidayRegion::None, QString()};
    // What the publisher was last given for the target it has.
    std::optional<PublishedDuty> m_sent;
};

} // namespace dutyloop
