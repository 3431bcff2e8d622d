#include "publishing/publisher.h"

#include "calendar/published_duty.h"
#include "publishing/publish_connection.h"
#include "publishing/publish_state.h"

#include <algorithm>

namespace dutyloop {

using namespace std::chrono_literals;

namespace {

// The first try again comes soon, for a network that was away a moment; each failure after it
// waits twice as long, up to a quarter of an hour.
constexpr std::chrono::milliseconds kFirstBackOff = 5s;
constexpr std::chrono::milliseconds kLongestBackOff = 15min;

} // namespace

// The run under way: its plan, and how far the target has confirmed it.
struct PublishRun {
    QList<PublishStep> steps;
    qsizetype next = 0;
    bool planned = false;
};

Publisher::Publisher(QString settingsFolder, std::function<QDateTime()> clock, QObject* parent)
    : QObject(parent), m_settingsFolder(std::move(settingsFolder)), m_clock(std::move(clock)),
      m_state(std::make_unique<PublishState>()) {
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &Publisher::retryNow);
}

Publisher::~Publisher() = default;

void Publisher::setRequestTimeout(std::chrono::milliseconds timeout) {
    m_timeout = timeout;
}

void Publisher::setRetrying(bool retrying) {
    m_retrying = retrying;
    if (!retrying)
        m_retryTimer.stop();
}

void Publisher::setTarget(const PublishTarget& target, const QString& password) {
    if (m_hasTarget && target == m_target && password == m_password)
        return;
    m_hasTarget = true;
    m_target = target;
    m_password = password;
    m_run.reset();
    m_connection.reset();
    m_retryTimer.stop();
    m_backOff = 0ms;
    const QString key = PublishTargetKey(target);
    const std::optional<PublishState> kept = ReadPublishState(m_settingsFolder);
    *m_state = kept && kept->target == key ? *kept : PublishState{key, {}, {}};
    // Said by the first run, which tries to write it down.
    m_stateKept = kept.has_value();
    m_status = PublishStatus();
    m_status.lastComplete = m_state->lastComplete;
    if (target.kind == PublishTarget::Kind::None)
        return emitStatus();
    TargetConnection connection = ConnectTo(target, password, m_timeout);
    if (!connection.connection) {
        m_status.state = PublishStatus::State::Waiting;
        m_status.problem = connection.unusable.problem;
        m_status.details = connection.unusable.details;
        return emitStatus();
    }
    m_connection = std::move(connection.connection);
    m_status.state = PublishStatus::State::Waiting;
    if (m_content) {
        m_status.changesWaiting = ChangesWaiting(*m_content, m_state->confirmed);
        startRun();
    } else {
        emitStatus();
    }
}

void Publisher::publish(const PublishedDuty& content) {
    // With no crew's duty to publish, what is published stays as it is.
    if (content.crew.isEmpty())
        return;
    m_content = content;
    if (!m_connection) {
        // A target that cannot be used waits with all that it has not confirmed.
        if (m_hasTarget && m_target.kind != PublishTarget::Kind::None) {
            m_status.changesWaiting = ChangesWaiting(*m_content, m_state->confirmed);
            emitStatus();
        }
        return;
    }
    if (m_run) {
        // Sent once the running step is confirmed, from a fresh look at the target.
        m_contentChanged = true;
        return;
    }
    startRun();
}

void Publisher::retryNow() {
    if (m_run || !m_connection || !m_content)
        return;
    startRun();
}

void Publisher::startRun() {
    m_retryTimer.stop();
    m_contentChanged = false;
    m_status.created = m_status.updated = m_status.deleted = m_status.outside = 0;
    m_status.changesWaiting = ChangesWaiting(*m_content, m_state->confirmed);
    if (const QString problem = m_stateKept ? QString() : saveState(); !problem.isEmpty())
        return failRun({PublishProblem::StateNotKept, problem, {}});
    m_run = std::make_unique<PublishRun>();
    m_status.state = PublishStatus::State::Publishing;
    m_status.nextTry = QDateTime();
    emitStatus();
    m_connection->discover([this](const QList<HeldEvent>& held, const PublishFailure& failure) {
        if (failure.failed())
            return failRun(failure);
        planRun(held);
    });
}

void Publisher::planRun(const QList<HeldEvent>& held) {
    // What the target no longer holds, it no longer confirms; another crew's events, which the
    // plan leaves alone, are not ours to confirm.
    ConfirmedEvents stillHeld;
    for (const HeldEvent& event : held) {
        const auto found = m_state->confirmed.find(event.href);
        if (found != m_state->confirmed.end() && IsCrewUid(found->second.uid, m_content->crew))
            stillHeld.insert(*found);
    }
    m_state->confirmed = std::move(stillHeld);
    m_status.outside = m_connection->outsideResources();
    m_run->steps = PublishPlan(*m_content, held, m_state->confirmed, m_connection->hrefPrefix());
    m_run->planned = true;
    m_status.changesWaiting = static_cast<int>(m_run->steps.size());
    emitStatus();
    sendNext();
}

void Publisher::sendNext() {
    if (m_contentChanged) {
        m_run.reset();
        return startRun();
    }
    if (m_run->next == m_run->steps.size())
        return finishRun();
    m_connection->send(m_run->steps[m_run->next],
                       [this](const SentStep& sent, const PublishFailure& failure) {
                           if (failure.failed())
                               return failRun(failure);
                           confirmStep(sent);
                       });
}

// The target has the step: kept at once, so that a stop now does not send it again.
void Publisher::confirmStep(const SentStep& sent) {
    const PublishStep& step = m_run->steps[m_run->next];
    switch (sent.became.value_or(step.action)) {
    case PublishStep::Action::Create:
        ++m_status.created;
        break;
    case PublishStep::Action::Update:
        ++m_status.updated;
        break;
    case PublishStep::Action::Delete:
        ++m_status.deleted;
        break;
    }
    if (step.action == PublishStep::Action::Delete)
        m_state->confirmed.erase(step.href);
    else
        m_state->confirmed[step.href] = {sent.etag, step.uid, step.hash, step.first};
    ++m_run->next;
    if (const QString problem = saveState(); !problem.isEmpty())
        return failRun({PublishProblem::StateNotKept, problem, {}});
    m_status.changesWaiting = static_cast<int>(m_run->steps.size() - m_run->next);
    emitStatus();
    sendNext();
}

void Publisher::finishRun() {
    m_state->lastComplete = m_clock();
    if (const QString problem = saveState(); !problem.isEmpty())
        return failRun({PublishProblem::StateNotKept, problem, {}});
    m_run.reset();
    m_backOff = 0ms;
    m_status.state = PublishStatus::State::Published;
    m_status.lastComplete = m_state->lastComplete;
    m_status.changesWaiting = 0;
    m_status.problem = PublishProblem::None;
    m_status.details.clear();
    m_status.certificate.clear();
    emitStatus();
}

void Publisher::failRun(const PublishFailure& failure) {
    if (m_run && m_run->planned)
        m_status.changesWaiting = static_cast<int>(m_run->steps.size() - m_run->next);
    m_run.reset();
    m_status.state = PublishStatus::State::Waiting;
    m_status.problem = failure.problem;
    m_status.details = failure.details;
    m_status.certificate = failure.certificate;
    m_status.nextTry = QDateTime();
    if (m_retrying) {
        m_backOff = m_backOff == 0ms ? kFirstBackOff : std::min(m_backOff * 2, kLongestBackOff);
        m_status.nextTry = m_clock().addMSecs(m_backOff.count());
        m_retryTimer.start(m_backOff);
    }
    emitStatus();
}

// Written whole after each confirmed step. Where the folder refuses, the step stays with the
// target, and the next run that can write it down finds it there and updates it.
QString Publisher::saveState() {
    const QString problem = WritePublishState(m_settingsFolder, *m_state);
    m_stateKept = problem.isEmpty();
    return problem;
}

void Publisher::emitStatus() {
    emit statusChanged(m_status);
}

} // namespace dutyloop
