#include "publishing/clear_text.h"

#include <QHostAddress>
#include <QUrl>

namespace dutyloop {

namespace {

bool IsThisComputer(const QString& host) {
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
        host.endsWith(QLatin1String(".localhost"), Qt::CaseInsensitive))
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

bool SendsPasswordInClear(const PublishTarget& target) {
    if (target.kind != PublishTarget::Kind::CalDav || target.user.isEmpty())
        return false;
    const QUrl url(target.url);
    return url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 &&
           !IsThisComputer(url.host());
}

bool PasswordMayGo(const PublishTarget& target) {
    return !SendsPasswordInClear(target) ||
           (!target.unencrypted.isEmpty() && target.unencrypted == OriginOf(target.url));
}

} // namespace dutyloop
