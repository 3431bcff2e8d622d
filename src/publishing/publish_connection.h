#pragma once

#include "publishing/publish_plan.h"
#include "publishing/publish_status.h"
#include "settings/publish_target.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace dutyloop {

// Why a step or a look at the target did not go through; no problem where it did.
struct PublishFailure {
    PublishProblem problem = PublishProblem::None;
    QString details;        // the server's or the system's words
    QByteArray certificate; // for an untrusted certificate, its SHA-256 in hexadecimal
    bool failed() const { return problem != PublishProblem::None; }
};

// What the target confirmed of a step: the version it now holds of the resource (none for a
// delete), and what the step turned out to be where the target had changed since it was seen:
// a create that found the resource made meanwhile is an update, an update that found it gone a
// create. A step done as planned is given by its version alone.
struct SentStep {
    SentStep(QByteArray version = {}, std::optional<PublishStep::Action> action = std::nullopt)
        : etag(std::move(version)), became(action) {}
    QByteArray etag;
    std::optional<PublishStep::Action> became;
};

// The target as the publisher talks to it: what it holds, and one change at a time. Every answer
// comes later, from the event loop, and never once the connection is destroyed.
class PublishConnection : public QObject {
public:
    using Discovered = std::function<void(const QList<HeldEvent>& held, const PublishFailure&)>;
    using Sent = std::function<void(const SentStep& sent, const PublishFailure&)>;

    virtual void discover(Discovered done) = 0;
    virtual void send(const PublishStep& step, Sent done) = 0;
    // What a new resource's name starts with: the calendar's path, or nothing in a folder.
    virtual QString hrefPrefix() const = 0;
    // How many resources the last look at the target named outside it; they are left alone.
    virtual int outsideResources() const { return 0; }
};

// The connection to a target; none for a target that cannot be used, with the reason.
struct TargetConnection {
    std::unique_ptr<PublishConnection> connection;
    PublishFailure unusable;
};
TargetConnection ConnectTo(const PublishTarget& target, const QString& password,
                           std::chrono::milliseconds timeout);

} // namespace dutyloop
