#pragma once

#include "publishing/publish_plan.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace dutyloop {

// What a target confirmed of ours, kept in the settings folder beside the settings file so that
// a run after a crash or a stop sends exactly what is still missing.
struct PublishState {
    QString target; // whose confirmations these are (PublishTargetKey); another target's count not
    ConfirmedEvents confirmed;
    QDateTime lastComplete; // when the target last had everything; invalid: never
    friend bool operator==(const PublishState&, const PublishState&) = default;
};

// The file's name in the settings folder.
inline constexpr char kPublishStateFile[] = "dutyloop-published.json";

// The state's text (JSON) and back; a text that cannot be read is no state at all, which costs
// one run that sends every event again.
QByteArray PublishStateText(const PublishState& state);
PublishState PublishStateFromText(const QByteArray& text);

// The state kept in the settings folder `folder`: none where there is none, or no text that can
// be read; nullopt where something stands under its name that cannot be read and cannot be
// the state (a folder, a FIFO, a file the system refuses), which the next write finds in its way.
// A link under its name is read through, and replaced by the next write.
std::optional<PublishState> ReadPublishState(const QString& folder);

// Writes the state into `folder` in one step, a link under its name replaced rather than the file
// it leads to; the user's words for why it could not be, or empty where it was.
QString WritePublishState(const QString& folder, const PublishState& state);

} // namespace dutyloop
