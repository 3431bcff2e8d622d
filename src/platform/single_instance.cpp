#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>

#include <unistd.h>

namespace dutyloop {

namespace {
constexpr int kWaitMilliseconds = 1000;
// A message ends with a blank line, so the window knows when it has all of it.
constexpr QByteArrayView kEnd("\n\n");
constexpr qsizetype kLongestMessage = 4096;
} // namespace

QString InstanceName(const QString& settingsFilePath) {
    const QByteArray file =
        QCryptographicHash::hash(settingsFilePath.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("dutyloop-%1-%2").arg(getuid()).arg(QString::fromLatin1(file.left(16)));
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)), m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

bool SingleInstance::HandOver(const QString& name, const QByteArray& message) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kWaitMilliseconds))
        return false;
    socket.write(message + kEnd.toByteArray());
    if (!socket.waitForBytesWritten(kWaitMilliseconds))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMilliseconds);
    return true;
}

bool SingleInstance::listen() {
    if (m_server->listen(m_name))
        return true;
    // Nobody answered under this name, or this start would have handed over; what is left is
    // the socket file of a window that is gone.
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

void SingleInstance::acceptConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            received->append(socket->readAll());
            const qsizetype end = received->indexOf(kEnd);
            // A start says a few words; anything longer is not one of ours.
            if (end < 0 && received->size() <= kLongestMessage)
                return;
            if (end >= 0)
                emit messageReceived(received->left(end));
            received->clear();
            socket->disconnectFromServer();
        });
    }
}

} // namespace dutyloop
