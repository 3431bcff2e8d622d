#include "publishing/publish_state.h"

#include "platform/file_services.h"

#include <QDir>
#include <QFileInfo>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace dutyloop {

namespace {

QString Text(const QByteArray& bytes) {
    return QString::fromUtf8(bytes);
}

QString StatePath(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(kPublishStateFile));
}

} // namespace

QByteArray PublishStateText(const PublishState& state) {
    QJsonArray events;
    for (const auto& [href, event] : state.confirmed) {
        events.append(QJsonObject{{QStringLiteral("href"), href},
                                  {QStringLiteral("etag"), Text(event.etag)},
                                  {QStringLiteral("uid"), Text(event.uid)},
                                  {QStringLiteral("hash"), Text(event.hash)},
                                  {QStringLiteral("first"), event.first.toString(Qt::ISODate)}});
    }
    const QJsonObject root{
        {QStringLiteral("target"), state.target},
        {QStringLiteral("complete"), state.lastComplete.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("events"), events}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

PublishState PublishStateFromText(const QByteArray& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {};
    const QJsonObject root = document.object();
    PublishState state;
    state.target = root.value(QStringLiteral("target")).toString();
    state.lastComplete =
        QDateTime::fromString(root.value(QStringLiteral("complete")).toString(), Qt::ISODate);
    for (const QJsonValue& value : root.value(QStringLiteral("events")).toArray()) {
        const QJsonObject event = value.toObject();
        const QString href = event.value(QStringLiteral("href")).toString();
        const QByteArray uid = event.value(QStringLiteral("uid")).toString().toUtf8();
        if (href.isEmpty() || uid.isEmpty())
            continue;
        state.confirmed[href] = {
            event.value(QStringLiteral("etag")).toString().toUtf8(), uid,
            event.value(QStringLiteral("hash")).toString().toUtf8(),
            QDate::fromString(event.value(QStringLiteral("first")).toString(), Qt::ISODate)};
    }
    return state;
}

std::optional<PublishState> ReadPublishState(const QString& folder) {
    const QString path = StatePath(folder);
    const FileContent content = ReadFile(path);
    if (content.read())
        return PublishStateFromText(content.bytes);
    if (content.failure == ReadFailure::Missing || QFileInfo(path).isSymLink())
        return PublishState();
    return std::nullopt;
}

QString WritePublishState(const QString& folder, const PublishState& state) {
    CreateDirectoryWithParents(folder);
    const QString path = StatePath(folder);
    const FileWrite write =
        WriteFileAtomicallyWithReason(path, PublishStateText(state), {}, SymbolicLinks::Replace);
    return write.written ? QString() : UnableToWriteMessage(path, write.reason);
}

} // namespace dutyloop
