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

namespace dutyloop {

// Why a step or a look at the target did not go through; no problem where it did.
struct PublishFailure {
    PublishProblem problem = PublishProblem::None;
    QString details;        // the server's or the system's words
    QByteArray certificate; // for an untrusted certificate, its SHA-256 in hexadecimal
    bool failed() const { return problem != PublishProblem::None; }
};

// The target as the publisher talks to it: what it holds, and one change at a time. Every answer
// comes later, from the event loop, and never once the connection is destroyed.
class PublishConnection : public QObject {
public:
    using Discovered = std::function<void(const QList<HeldEvent>& held, const PublishFailure&)>;
    // The version the target now holds of the resource (none for a delete).
    using Sent = std::function<void(const QByteArray& etag, const PublishFailure&)>;

    virtual void discover(Discovered done) = 0;
    virtual void send(const PublishStep& step, Sent done) = 0;
    // What a new resource's name starts with: the calendar's path, or nothing in a folder.
    virtual QString hrefPrefix() const = 0;
};

// The connection to a target; none for a target that cannot be used, with the reason.
struct TargetConnection {
    std::unique_ptr<PublishConnection> connection;
    PublishFailure unusable;
};
TargetConnection ConnectTo(const PublishTarget& target, const QString& password,
                           std::chrono::milliseconds timeout);

} // namespace dutyloop
