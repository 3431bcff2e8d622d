#pragma once

#include <QString>
#include <QUrl>

namespace dutyloop {

inline constexpr const char* kApplicationId = DUTYLOOP_APP_ID;

// "3.0.1": the project's version, as the package and the metainfo carry it.
inline QString ProductVersion() {
    return QStringLiteral(DUTYLOOP_VERSION);
}

// The maker's support web host and address are build settings.
inline QString SupportHost() {
    return QStringLiteral(DUTYLOOP_SUPPORT_HOST);
}
inline QString SupportEmail() {
    return QStringLiteral(DUTYLOOP_SUPPORT_EMAIL);
}

inline QUrl SupportPageUrl() {
    return QUrl(QStringLiteral("https://") + SupportHost() + QStringLiteral("/win-issues.htm"));
}

// Starts a message to the support address with the subject "Support Request".
inline QUrl SupportMailUrl() {
    return QUrl(QStringLiteral("mailto:") + SupportEmail() +
                QStringLiteral("?subject=Support%20Request"));
}

} // namespace dutyloop
