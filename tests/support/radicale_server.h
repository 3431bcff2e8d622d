#pragma once

// Debian's Radicale, a real CalDAV server, on 127.0.0.1 and a free port of the test's own, with
// one user "kim" whose password is "secret" and the calendar /kim/duty/; and the other client
// that reads it back, Debian's python3-caldav (caldav_client.py beside the tests).

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace dutyloop::testing {

inline const QString kSystemPython = QStringLiteral("/usr/bin/python3");

// Why Radicale and python3-caldav cannot serve here; empty where they can.
inline QString WhyNoRadicale() {
    if (!QFile::exists(kSystemPython))
        return QStringLiteral("no /usr/bin/python3");
    QProcess probe;
    probe.start(kSystemPython, {"-c", "import radicale, caldav"});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return QStringLiteral("Debian's radicale and python3-caldav are not installed (the "
                              "Makefile's DEB_PACKAGES)");
    return {};
}

inline quint16 FreePort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

class RadicaleServer {
public:
    RadicaleServer() : m_port(FreePort()) {
        QFile users(m_folder.filePath("users"));
        if (users.open(QIODevice::WriteOnly))
            users.write("kim:secret\n");
    }
    ~RadicaleServer() { stop(); }

    // Starts the server, or says why it did not answer.
    QString start() {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(kSystemPython,
                        {"-m", "radicale", "--config", "", "--server-hosts",
                         QStringLiteral("127.0.0.1:%1").arg(m_port), "--auth-type", "htpasswd",
                         "--auth-htpasswd-filename", m_folder.filePath("users"),
                         "--auth-htpasswd-encryption", "plain", "--storage-filesystem-folder",
                         m_folder.filePath("storage")});
        for (int tries = 0; tries < 100; ++tries) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            if (probe.waitForConnected(100))
                return {};
            if (m_process.state() == QProcess::NotRunning)
                break;
            QTest::qWait(100);
        }
        return QStringLiteral("Radicale did not start: ") + QString::fromUtf8(m_process.readAll());
    }
    void stop() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished(10000);
    }

    quint16 port() const { return m_port; }
    QString calendarUrl() const {
        return QStringLiteral("http://127.0.0.1:%1/kim/duty/").arg(m_port);
    }

    // The other client's action on the calendar; its output, or a failure that says why.
    QString client(const QStringList& arguments, bool* ok) const {
        QProcess process;
        process.start(kSystemPython,
                      QStringList{DUTYLOOP_CALDAV_CLIENT, calendarUrl(), "kim", "secret"} +
                          arguments);
        *ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
              process.exitCode() == 0;
        return QString::fromUtf8(*ok ? process.readAllStandardOutput()
                                     : process.readAllStandardError());
    }

private:
    QTemporaryDir m_folder;
    quint16 m_port;
    QProcess m_process;
};

// The other client's action, failing the test where it fails.
#define CALDAV_CLIENT(server, arguments, output)                                                   \
    do {                                                                                           \
        bool clientOk = false;                                                                     \
        (output) = (server).client((arguments), &clientOk);                                        \
        QVERIFY2(clientOk, qPrintable(output));                                                    \
    } while (false)

} // namespace dutyloop::testing
