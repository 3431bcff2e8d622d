#pragma once

#include "publishing/publish_status.h"
#include "settings/publish_target.h"

#include <QDateTime>
#include <QString>

namespace dutyloop {

// The words for where publishing stands, in the user's language, for the Settings tab, the
// status line's tooltip, the screen reader and `dutyloop --publish`.

// "server unreachable", "wrong user name or password"...; empty for no problem.
QString PublishProblemText(PublishProblem problem);

// "Published 2 minutes ago", "3 changes waiting: server unreachable", "Publishing…", "Not
// published", as it stands at `now`.
QString PublishStatusText(const PublishStatus& status, const QDateTime& now);

// The target as the user knows it: the calendar's address, or the folder.
QString PublishTargetName(const PublishTarget& target);

// What a run did: "12 created, 3 updated, 1 deleted on https://dav.example/kim/duty/".
QString PublishRunText(const PublishStatus& status, const PublishTarget& target);

// Why a run failed, with the server's or the system's words and, for a certificate, its
// fingerprint: "wrong user name or password (401 Unauthorized)".
QString PublishFailureText(const PublishStatus& status);

} // namespace dutyloop
