#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;

namespace dutyloop {

// The name by which the one running window of a user's settings file is found: the user and the
// file, so two users, or two settings folders, never meet.
QString InstanceName(const QString& settingsFilePath);

// The channel through which a second start reaches the window that already runs.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    // When a window of this name runs, hands it `message` and returns true.
    static bool HandOver(const QString& name, const QByteArray& message);

    // Takes the name for this window. One left behind by a start that ended without closing
    // its channel (a crash, a kill) is taken over.
    bool listen();

signals:
    void messageReceived(const QByteArray& message);

private:
    void acceptConnection();

    QString m_name;
    QLocalServer* m_server = nullptr;
};

} // namespace dutyloop
