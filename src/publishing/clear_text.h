#pragma once

#include "settings/publish_target.h"

namespace dutyloop {

// Whether publishing to the target sends its password where anyone on the way could read it: a
// calendar with a user name at a plain http address on a host other than this computer.
bool SendsPasswordInClear(const PublishTarget& target);

// Whether the password may go to the target: over https, to this computer, or to the plain http
// address the user allowed.
bool PasswordMayGo(const PublishTarget& target);

} // namespace dutyloop
