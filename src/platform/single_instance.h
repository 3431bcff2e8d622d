#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

class QLocalServer;
class QLocalSocket;

namespace dutyloop {

// Where the one running window of a user's settings file is found: a socket and the lock that
// says a window holds it, both in a folder only the user can reach. The names come from the
// settings file, so two settings folders never meet.
struct InstanceChannel {
    QString socketPath;
    QString lockPath;
};

// The channel of the settings file; none where no private folder can be had, and then each
// start opens a window of its own.
std::optional<InstanceChannel> InstanceChannelFor(const QString& settingsFilePath);

// Held by the one window of a channel for as long as it runs: the system lets go of it when the
// process ends, however it ends, so a window that crashed blocks no later start.
class InstanceLock {
public:
    // The lock, or none while another window holds it.
    static std::optional<InstanceLock> Take(const QString& lockPath);
    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

private:
    explicit InstanceLock(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

// Whether the process at the other end of a connected local socket runs as this user.
bool PeerIsThisUser(const QLocalSocket& socket);

// The window's end of the channel: it listens while it holds the lock, takes a few words from a
// start of the same user, answers that it has them, and ends connections that say nothing.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    SingleInstance(InstanceChannel channel, InstanceLock lock, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Hands `message` to the window that holds the channel, and true once that window has
    // answered that it has it. A window that has its lock but is not yet listening is waited
    // for a little; a listener of another user is never told anything.
    static bool HandOver(const QString& socketPath, const QByteArray& message);

    // Listens on the channel. A socket file left by a window that is gone is replaced: with the
    // lock held, no live window can be listening there.
    bool listen();

signals:
    void messageReceived(const QByteArray& message);

private:
    void acceptConnection();

    InstanceChannel m_channel;
    InstanceLock m_lock;
    QLocalServer* m_server = nullptr;
    int m_openConnections = 0;
};

} // namespace dutyloop
