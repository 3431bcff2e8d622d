#include "platform/single_instance.h"

#include "platform/private_folder.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

namespace dutyloop {

namespace {

// A window takes its lock before it has its application, and may be busy with connections
// that say nothing; a start that finds the lock taken waits this long for its answer.
constexpr int kWaitForWindowMilliseconds = 6000;
// A start says its few words as soon as it is connected; a connection that stays silent is
// ended, so that a crowd of them keeps the window from a start for a few seconds at most.
constexpr int kIdleMilliseconds = 500;
// A message ends with a blank line, so the window knows when it has all of it.
constexpr QByteArrayView kEnd("\n\n");
constexpr QByteArrayView kReceived("received\n");
constexpr qsizetype kLongestMessage = 4096;
// At most this many connections are open at a time, and as many wait to be taken; the others
// wait in the system's queue. A window that ran out of file handles could not accept any more,
// and Qt would then stop listening altogether.
constexpr int kMostConnections = 8;
// "dutyloop-" and 16 hexadecimal digits, then ".socket" or ".lock".
constexpr qsizetype kLongestName = 9 + 16 + 7;

} // namespace

std::optional<InstanceChannel> InstanceChannelFor(const QString& settingsFilePath) {
    const uid_t user = ::getuid();
    const QString folder = PrivateFolderFor(RuntimeFolderCandidates(user), user, kLongestName);
    if (folder.isEmpty())
        return std::nullopt;
    const QByteArray file =
        QCryptographicHash::hash(settingsFilePath.toUtf8(), QCryptographicHash::Sha256).toHex();
    const QString name = QStringLiteral("dutyloop-") + QString::fromLatin1(file.left(16));
    return InstanceChannel{QDir(folder).filePath(name + QStringLiteral(".socket")),
                           QDir(folder).filePath(name + QStringLiteral(".lock"))};
}

std::optional<InstanceLock> InstanceLock::Take(const QString& lockPath) {
    const int fd = ::open(QFile::encodeName(lockPath).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return std::nullopt;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return InstanceLock(fd);
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept : m_fd(other.m_fd) {
    other.m_fd = -1;
}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
    std::swap(m_fd, other.m_fd);
    return *this;
}

InstanceLock::~InstanceLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool PeerIsThisUser(const QLocalSocket& socket) {
    struct ucred peer {};
    socklen_t length = sizeof peer;
    const auto fd = static_cast<int>(socket.socketDescriptor());
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
           length == sizeof peer && peer.uid == ::getuid();
}

SingleInstance::SingleInstance(InstanceChannel channel, InstanceLock lock, QObject* parent)
    : QObject(parent), m_channel(std::move(channel)), m_lock(std::move(lock)),
      m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->setMaxPendingConnections(kMostConnections);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

SingleInstance::~SingleInstance() {
    // Closing removes the socket file; the lock goes with the process.
    m_server->close();
}

bool SingleInstance::HandOver(const QString& socketPath, const QByteArray& message) {
    const QDeadlineTimer deadline(kWaitForWindowMilliseconds);
    const auto left = [&deadline] { return static_cast<int>(deadline.remainingTime()); };
    // Until the window has answered: it may not be listening yet, or be busy ending silent
    // connections, or have ended this one before it spoke.
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (!socket.waitForConnected(left())) {
            QThread::msleep(50);
            continue;
        }
        // Another user's listener is never told anything.
        if (!PeerIsThisUser(socket))
            return false;
        socket.write(message + kEnd.toByteArray());
        if (!socket.waitForBytesWritten(left()))
            continue;
        QByteArray answer;
        while (answer.size() < kReceived.size() && !deadline.hasExpired() &&
               socket.waitForReadyRead(left()))
            answer += socket.readAll();
        if (answer.startsWith(kReceived))
            return true;
    }
    return false;
}

bool SingleInstance::listen() {
    QLocalServer::removeServer(m_channel.socketPath);
    return m_server->listen(m_channel.socketPath);
}

void SingleInstance::acceptConnection() {
    // Qt stops listening when the system refuses it a connection; holding the lock, the window
    // can listen again at once.
    if (!m_server->isListening())
        listen();
    while (m_openConnections < kMostConnections && m_server->hasPendingConnections()) {
        QLocalSocket* socket = m_server->nextPendingConnection();
        ++m_openConnections;
        connect(socket, &QObject::destroyed, this, [this] {
            --m_openConnections;
            acceptConnection();
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsThisUser(*socket)) {
            socket->abort();
            continue;
        }
        QTimer::singleShot(kIdleMilliseconds, socket, [socket] { socket->abort(); });
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            received->append(socket->readAll());
            const qsizetype end = received->indexOf(kEnd);
            // A start says a few words; anything longer is not one of ours.
            if (end < 0 && received->size() <= kLongestMessage)
                return;
            if (end >= 0) {
                socket->write(kReceived.toByteArray());
                socket->flush();
                emit messageReceived(received->left(end));
            }
            received->clear();
            socket->disconnectFromServer();
        });
    }
}

} // namespace dutyloop
