#pragma once

#include "calendar/published_duty.h"
#include "publishing/publish_plan.h"
#include "publishing/publish_status.h"
#include "settings/publish_target.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace dutyloop {

class PublishConnection;
struct PublishRun;
struct PublishState;
struct PublishFailure;
struct SentStep;

// Keeps the target holding exactly the wanted duty: finds what the target holds, plans the
// creates, updates and deletes of Dutyloop's own events (another client's events are never
// touched) and sends them one at a time. Everything is asynchronous (QNetworkAccessManager, or
// small file writes for a folder): nothing here waits on the caller's thread.
//
// What the target confirmed is kept in the settings folder, written after each confirmed step,
// so that after a crash or a stop the next run sends exactly what is still missing; where it
// cannot be written, the run fails and says so. A run that fails waits and tries again, 5
// seconds after the first failure, doubling up to 15 minutes.
class Publisher : public QObject {
    Q_OBJECT
public:
    // `settingsFolder` is where the state is kept; `clock` gives the moment now.
    Publisher(QString settingsFolder, std::function<QDateTime()> clock, QObject* parent = nullptr);
    ~Publisher() override;

    // Where to publish, with the password for a CalDAV target (none for a folder). A target of
    // kind None turns publishing off. A different target starts afresh: what another target
    // confirmed says nothing of this one.
    void setTarget(const PublishTarget& target, const QString& password = QString());
    // The whole wanted content. Sent at once where no run is under way, else as soon as the
    // running step is confirmed; only the latest content counts.
    void publish(const PublishedDuty& content);
    // Tries the waiting work now rather than at the next planned try.
    void retryNow();

    PublishStatus status() const { return m_status; }

    // How long one request may take before it counts as unanswered; 30 seconds unless set.
    void setRequestTimeout(std::chrono::milliseconds timeout);
    // Where a run that failed is not tried again by itself: for a run from the command line.
    void setRetrying(bool retrying);

signals:
    void statusChanged(const dutyloop::PublishStatus& status);

private:
    void startRun();
    void planRun(const QList<HeldEvent>& held);
    void sendNext();
    void confirmStep(const SentStep& sent);
    void finishRun();
    void failRun(const PublishFailure& failure);
    QString saveState();
    void emitStatus();

    QString m_settingsFolder;
    std::function<QDateTime()> m_clock;
    PublishTarget m_target;
    QString m_password;
    std::optional<PublishedDuty> m_content;
    std::unique_ptr<PublishConnection> m_connection;
    std::unique_ptr<PublishRun> m_run;
    std::unique_ptr<PublishState> m_state;
    // Whether what the target confirms can be written down. No step is sent until it can: a
    // step that the next run does not know of would be sent again on every run.
    bool m_stateKept = true;
    bool m_hasTarget = false;
    bool m_contentChanged = false;
    bool m_retrying = true;
    std::chrono::milliseconds m_timeout{30000};
    std::chrono::milliseconds m_backOff{0};
    QTimer m_retryTimer;
    PublishStatus m_status;
};

} // namespace dutyloop
