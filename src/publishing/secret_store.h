#pragma once

#include "settings/publish_target.h"

#include <QString>
#include <functional>

class QObject;

namespace dutyloop {

// The password of a publishing target in the desktop's secret store (the Secret Service of
// GNOME or KDE's wallet, through QtKeychain), keyed by the calendar's URL and the user name, so
// that it is never in the settings file.

struct SecretAnswer {
    enum class Outcome {
        Done,     // read, written or deleted
        NotFound, // the store answered, but holds no password for the target
        NoStore,  // no secret store answered, or it refused; `problem` says why
    };
    Outcome outcome = Outcome::NoStore;
    QString password; // what a read found
    QString problem;  // the store's own words, for NoStore
};

using SecretCallback = std::function<void(const SecretAnswer&)>;

// Each asks the store and returns at once; `done` is called later from the event loop, unless
// `context` is destroyed first.
void ReadPassword(const PublishTarget& target, QObject* context, SecretCallback done);
void WritePassword(const PublishTarget& target, const QString& password, QObject* context,
                   SecretCallback done);
void DeletePassword(const PublishTarget& target, QObject* context, SecretCallback done);

// The read for a run without a window: waits, in an event loop of its own, for the store's
// answer. Never to be called from the window's code.
SecretAnswer ReadPasswordNow(const PublishTarget& target);

} // namespace dutyloop
