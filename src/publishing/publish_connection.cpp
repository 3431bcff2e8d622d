#include "publishing/publish_connection.h"

#include "publishing/caldav_connection.h"
#include "publishing/clear_text.h"
#include "publishing/vdir_connection.h"

#include <QCoreApplication>
#include <QDir>

namespace dutyloop {

TargetConnection ConnectTo(const PublishTarget& target, const QString& password,
                           std::chrono::milliseconds timeout) {
    const auto unusable = [](const QString& why) {
        return TargetConnection{nullptr, {PublishProblem::BadTarget, why, {}}};
    };
    switch (target.kind) {
    case PublishTarget::Kind::CalDav:
        if (UsablePublishUrl(target.url).isEmpty())
            return unusable(QCoreApplication::translate(
                "Publishing",
                "The calendar's address must be a web address, starting with https or http."));
        // A password is not asked for where it may not go.
        if (!PasswordMayGo(target))
            return {nullptr, {PublishProblem::Unencrypted, target.url, {}}};
        // A server that asks for a user's password is not asked without one: its refusal would
        // tell of a wrong password where none was given.
        if (!target.user.isEmpty() && password.isEmpty())
            return {nullptr, {PublishProblem::NoPassword, {}, {}}};
        return {std::make_unique<CalDavConnection>(target, password, timeout), {}};
    case PublishTarget::Kind::Folder:
        if (!QDir::isAbsolutePath(target.folder))
            return unusable(QCoreApplication::translate(
                "Publishing", "The folder must be given as a full path."));
        return {std::make_unique<VdirConnection>(target.folder), {}};
    case PublishTarget::Kind::None:
        break;
    }
    return unusable(QCoreApplication::translate("Publishing", "No place to publish is set."));
}

} // namespace dutyloop
