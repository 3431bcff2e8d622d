#pragma once

#include <QString>

namespace dutyloop {

// The maker's support web host and address are build settings.
inline QString SupportHost() {
    return QStringLiteral(DUTYLOOP_SUPPORT_HOST);
}
inline QString SupportEmail() {
    return QStringLiteral(DUTYLOOP_SUPPORT_EMAIL);
}

} // namespace dutyloop
