#pragma once

#include "publishing/publish_plan.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

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

} // namespace dutyloop
