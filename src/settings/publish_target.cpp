#include "settings/publish_target.h"

#include "settings/ini_text.h"

#include <QDir>
#include <QUrl>
#include <optional>

namespace dutyloop {

namespace {

// A section of its own, which a file written before publishing was possible does not have.
constexpr QByteArrayView kPublish("Publish");
constexpr QByteArrayView kTarget("Target");
constexpr QByteArrayView kUrl("URL");
constexpr QByteArrayView kUser("User");
constexpr QByteArrayView kFolder("Folder");
constexpr QByteArrayView kMonths("Months");
constexpr QByteArrayView kCertificate("Certificate");
constexpr QByteArrayView kUnencrypted("Unencrypted");

constexpr QByteArrayView kCalDav("caldav");
constexpr QByteArrayView kFolderKind("folder");

std::optional<PublishTarget::Kind> KindFromText(QByteArrayView text) {
    const QByteArray lower = text.trimmed().toByteArray().toLower();
    if (lower == kCalDav)
        return PublishTarget::Kind::CalDav;
    if (lower == kFolderKind)
        return PublishTarget::Kind::Folder;
    return std::nullopt;
}

std::optional<int> MonthsFromText(QByteArrayView text) {
    const QByteArrayView digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 2)
        return std::nullopt;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    const int months = digits.toInt();
    if (months < kMinPublishMonths || months > kMaxPublishMonths)
        return std::nullopt;
    return months;
}

QString UsableFolder(const QString& text) {
    return QDir::isAbsolutePath(text) ? QDir::cleanPath(text) : QString();
}

// The value as one line, which is all an INI line can hold; the values written here come from a
// dialog's one-line fields, so a line break is only ever a pasted one.
QByteArray OneLine(const QString& text) {
    return text.simplified().toUtf8();
}

QString ValueText(const QByteArray& fileText, QByteArrayView key) {
    return QString::fromUtf8(IniValue(fileText, kPublish, key).value_or(QByteArray()));
}

// Writes the value, or, where it is empty, takes out the key's line as long as that line holds
// a value this program would read; one it cannot read stays as it was.
QByteArray WithValueOrNone(const QByteArray& text, QByteArrayView key, const QByteArray& value,
                           bool storedIsUsable) {
    if (!value.isEmpty())
        return WithIniValue(text, kPublish, key, value);
    return storedIsUsable ? WithoutIniKey(text, kPublish, key) : text;
}

} // namespace

QString UsablePublishUrl(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty() ||
        !url.password().isEmpty())
        return QString();
    return url.toString();
}

QString OriginOf(const QString& url) {
    const QUrl parsed(UsablePublishUrl(url));
    if (parsed.isEmpty())
        return QString();
    const QString scheme = parsed.scheme().toLower();
    const int port = parsed.port(scheme == u"https" ? 443 : 80);
    QUrl origin;
    origin.setScheme(scheme);
    origin.setHost(parsed.host());
    origin.setPort(port);
    return origin.toString();
}

QByteArray UsableFingerprint(QByteArrayView text) {
    QByteArray hex = text.trimmed().toByteArray().toLower();
    hex.replace(':', QByteArray());
    if (hex.size() != 64)
        return QByteArray();
    for (const char c : hex) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return QByteArray();
    }
    return hex;
}

PublishTarget PublishTargetFromText(const QByteArray& fileText) {
    PublishTarget target;
    const std::optional<QByteArray> kind = IniValue(fileText, kPublish, kTarget);
    target.kind = KindFromText(kind.value_or(QByteArray())).value_or(PublishTarget::Kind::None);
    target.url = UsablePublishUrl(ValueText(fileText, kUrl));
    target.user = ValueText(fileText, kUser);
    target.folder = UsableFolder(ValueText(fileText, kFolder));
    target.months = MonthsFromText(IniValue(fileText, kPublish, kMonths).value_or(QByteArray()))
                        .value_or(kDefaultPublishMonths);
    target.certificate =
        UsableFingerprint(IniValue(fileText, kPublish, kCertificate).value_or(QByteArray()));
    target.unencrypted = OriginOf(ValueText(fileText, kUnencrypted));
    return target;
}

QByteArray TextWithPublishTarget(const QByteArray& fileText, const PublishTarget& target) {
    const PublishTarget stored = PublishTargetFromText(fileText);
    if (target.kind == PublishTarget::Kind::None) {
        return stored.kind == PublishTarget::Kind::None
                   ? fileText
                   : WithoutIniKey(fileText, kPublish, kTarget);
    }
    QByteArray text =
        WithIniValue(fileText, kPublish, kTarget,
                     target.kind == PublishTarget::Kind::CalDav ? kCalDav : kFolderKind);
    text =
        WithValueOrNone(text, kUrl, OneLine(UsablePublishUrl(target.url)), !stored.url.isEmpty());
    text = WithValueOrNone(text, kUser, OneLine(target.user), !stored.user.isEmpty());
    text = WithValueOrNone(text, kFolder, OneLine(UsableFolder(target.folder)),
                           !stored.folder.isEmpty());
    text = WithIniValue(
        text, kPublish, kMonths,
        QByteArray::number(
            MonthsFromText(QByteArray::number(target.months)).value_or(kDefaultPublishMonths)));
    text = WithValueOrNone(text, kCertificate, UsableFingerprint(target.certificate),
                           !stored.certificate.isEmpty());
    text = WithValueOrNone(text, kUnencrypted, OneLine(OriginOf(target.unencrypted)),
                           !stored.unencrypted.isEmpty());
    return text;
}

QString PublishTargetKey(const PublishTarget& target) {
    switch (target.kind) {
    case PublishTarget::Kind::CalDav: {
        QUrl url(target.url);
        url.setUserName(target.user);
        return url.toString();
    }
    case PublishTarget::Kind::Folder:
        return QUrl::fromLocalFile(target.folder).toString();
    case PublishTarget::Kind::None:
        break;
    }
    return QString();
}

} // namespace dutyloop
