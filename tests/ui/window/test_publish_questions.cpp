// What the window asks when a calendar server does not take what it is sent: a password the
// server refuses, said plainly and offered for entry once a run, and asked for at start where no
// secret store has it; a certificate that does not verify, shown by its SHA-256 fingerprint and
// accepted or not, once. The servers are the test's own on 127.0.0.1: plain HTTP that refuses
// every password, and HTTPS with a certificate made for the test by openssl.

#include "window_fixture.h"

#include "ui/publishing/publish_dialog.h"

#include <QDialogButtonBox>
#include <QHostInfo>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSpinBox>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QDate kToday(2027, 3, 10);
const QByteArray kFiveTfs = "[Config]\nWorkAssign=5 TFS\n";

// Answers every request on its connection with `answer`, and keeps each request's head.
class HttpServer {
public:
    explicit HttpServer(QTcpServer* server, QByteArray answer)
        : m_server(server), m_answer(std::move(answer)) {
        QObject::connect(m_server, &QTcpServer::pendingConnectionAvailable, m_server, [this] {
            while (QTcpSocket* socket = m_server->nextPendingConnection())
                serve(socket);
        });
    }
    bool listen() { return m_server->listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_server->serverPort(); }
    const QByteArrayList& heads() const { return m_heads; }

private:
    void serve(QTcpSocket* socket) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            QByteArray& seen = m_pending[socket];
            seen += socket->readAll();
            const qsizetype end = seen.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            m_heads.append(seen.left(end));
            seen.clear();
            socket->write(m_answer);
            socket->disconnectFromHost();
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    QTcpServer* m_server;
    QByteArray m_answer;
    QByteArrayList m_heads;
    std::map<QTcpSocket*, QByteArray> m_pending;
};

const QByteArray kRefused =
    "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"duty\"\r\n"
    "Content-Length: 0\r\nConnection: close\r\n\r\n";
const QByteArray kUnavailable =
    "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The Basic credentials the server was offered, as "user:password".
QStringList OfferedCredentials(const HttpServer& server) {
    QStringList offered;
    for (const QByteArray& head : server.heads()) {
        for (const QByteArray& line : head.split('\n')) {
            if (line.toLower().startsWith("authorization: basic "))
                offered.append(QString::fromUtf8(QByteArray::fromBase64(line.mid(21).trimmed())));
        }
    }
    return offered;
}

QString StateLine(MainWindow& window) {
    return Find<QLabel>(&window, "publishState")->text();
}

QPushButton* ActionButton(MainWindow& window) {
    return Find<QPushButton>(&window, "publishActionButton");
}

// Acts in the next Publish dialog to open; a failed check in it closes it.
class InNextPublishDialog {
public:
    explicit InNextPublishDialog(std::function<void(PublishDialog*)> act)
        : m_watch([act = std::move(act)](PublishDialog* dialog) {
              const QScopeGuard close([dialog] {
                  if (dialog->isVisible())
                      dialog->reject();
              });
              QVERIFY(QTest::qWaitForWindowActive(dialog));
              QTRY_COMPARE(QGuiApplication::focusWindow(), dialog->windowHandle());
              act(dialog);
          }) {}
    bool happened() const { return m_watch.happened(); }

private:
    OnNextModal<PublishDialog> m_watch;
};

// The password field has the focus where the dialog opens to ask for it; the new one is typed
// over the old and taken with Enter.
void EnterPassword(PublishDialog* dialog, const QString& password) {
    auto* field = Find<QLineEdit>(dialog, "passwordEdit");
    QVERIFY(field->hasFocus());
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, password);
    QTest::keyClick(field, Qt::Key_Return);
}

QByteArray CalendarTarget(const QString& url, const QByteArray& user) {
    return "[Publish]\nTarget=caldav\nURL=" + url.toUtf8() + "\n" +
           (user.isEmpty() ? QByteArray() : "User=" + user + "\n") + "Months=1\n";
}

} // namespace

class TestPublishQuestions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The test's session has no secret store, and the machine's own is never touched.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/dutyloop-test-bus");
    }

    // Set in the dialog, the password is refused: the window says so once and offers the
    // dialog; refused again, the Settings tab's button offers it, and no box.
    void aRefusedPasswordIsSaidAndOfferedOnce() {
        QTcpServer tcp;
        HttpServer server(&tcp, kRefused);
        QVERIFY(server.listen());
        const QString url = QStringLiteral("http://127.0.0.1:%1/kim/duty/").arg(server.port());
        WindowUnderTest fixture = ShownWindow(kToday, kFiveTfs);
        OpenTab(*fixture, ControlsOf(*fixture).settingsPage);
        {
            InNextPublishDialog setUp([&](PublishDialog* dialog) {
                QTest::keyClick(dialog, Qt::Key_D, Qt::AltModifier);
                QTRY_VERIFY(Find<QLineEdit>(dialog, "urlEdit")->isEnabled());
                QTest::keyClicks(Find<QLineEdit>(dialog, "urlEdit"), url);
                QTest::keyClicks(Find<QLineEdit>(dialog, "userEdit"), "kim");
                QTest::keyClicks(Find<QLineEdit>(dialog, "passwordEdit"), "wrong");
                QTest::keyClick(dialog, Qt::Key_M, Qt::AltModifier);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(QApplication::focusWidget(), "1");
                QCOMPARE(Find<QSpinBox>(dialog, "monthsBox")->value(), 1);
                Click(Find<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok));
            });
            Click(Find<QPushButton>(fixture.get(), "publishButton"));
            QVERIFY(setUp.happened());
        }

        InNextPublishDialog entry(
            [](PublishDialog* dialog) { EnterPassword(dialog, "still wrong"); });
        AnswerNextMessageBox box(QStringLiteral("Enter Password…"));
        QTRY_VERIFY(box.happened());
        QCOMPARE(box.shown().text,
                 QStringLiteral("The server refused the user name or password for %1.\n"
                                "The duty waits until the server takes the password.")
                     .arg(url));
        QVERIFY(box.shown().plainText);
        QCOMPARE(box.shown().buttons, (QStringList{"Enter Password…", "Cancel"}));
        QVERIFY(entry.happened());

        QTRY_VERIFY(OfferedCredentials(server).contains(QStringLiteral("kim:still wrong")));
        const QString refused = QStringLiteral("5 changes waiting: wrong user name or password");
        QTRY_COMPARE(StateLine(*fixture), refused);
        QTest::qWait(200);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(OfferedCredentials(server), (QStringList{"kim:wrong", "kim:still wrong"}));

        QCOMPARE(ActionButton(*fixture)->text(), QStringLiteral("Enter Password…"));
        QCOMPARE(ActionButton(*fixture)->accessibleDescription(), refused);
        InNextPublishDialog again([](PublishDialog* dialog) {
            QVERIFY(Find<QLineEdit>(dialog, "passwordEdit")->hasFocus());
            QCOMPARE(Find<QLineEdit>(dialog, "passwordEdit")->text(),
                     QStringLiteral("still wrong"));
        });
        Click(ActionButton(*fixture));
        QVERIFY(again.happened());
    }

    // No secret store holds the password at start: the dialog asks for it, once, and what is
    // typed there is what the server is offered.
    void thePasswordIsAskedForAtStart() {
        QTcpServer tcp;
        HttpServer server(&tcp, kRefused);
        QVERIFY(server.listen());
        const QString url = QStringLiteral("http://127.0.0.1:%1/kim/duty/").arg(server.port());
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kFiveTfs + CalendarTarget(url, "kim"));
        InNextPublishDialog asked([](PublishDialog* dialog) {
            QTRY_VERIFY(Find<QLabel>(dialog, "storeNote")->isVisible());
            EnterPassword(dialog, "typed at start");
        });
        StartWindow(fixture, kToday);
        QTRY_VERIFY(asked.happened());
        QTRY_VERIFY(OfferedCredentials(server).contains(QStringLiteral("kim:typed at start")));
        // Refused, and not asked again in this run.
        QTRY_COMPARE(StateLine(*fixture),
                     QStringLiteral("5 changes waiting: wrong user name or password"));
        QTest::qWait(200);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // A plain http address of another computer, written into the settings file by hand, is asked
    // about before the password is: allowed, the allowance is kept and the password typed next
    // goes there; cancelled, nothing is asked for and nothing sent. The computer's own name is,
    // to the program, another host on the network.
    void anUnencryptedAddressIsAskedAboutFirst_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("allowed") << "Send Unencrypted";
        QTest::newRow("cancelled") << "Cancel";
    }
    void anUnencryptedAddressIsAskedAboutFirst() {
        QFETCH(QString, answer);
        const QString host = QHostInfo::localHostName();
        if (host.isEmpty() || QHostInfo::fromName(host).addresses().isEmpty())
            QSKIP("this computer's name does not resolve");
        QTcpServer tcp;
        HttpServer server(&tcp, kRefused);
        QVERIFY(tcp.listen(QHostAddress::Any, 0));
        const QString url =
            QStringLiteral("http://%1:%2/kim/duty/").arg(host).arg(tcp.serverPort());
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kFiveTfs + CalendarTarget(url, "kim"));
        AnswerNextMessageBox box(answer);
        InNextPublishDialog asked([](PublishDialog* dialog) { EnterPassword(dialog, "secret"); });
        StartWindow(fixture, kToday);
        QTRY_VERIFY(box.happened());
        QVERIFY2(box.shown().text.startsWith(url + QStringLiteral(" is not encrypted")),
                 qPrintable(box.shown().text));
        QCOMPARE(box.shown().buttons, (QStringList{"Send Unencrypted", "Cancel"}));
        const QByteArray allowance = "Unencrypted=http://" + host.toLower().toUtf8() + ":" +
                                     QByteArray::number(tcp.serverPort()) + "\n";
        if (answer == QLatin1String("Cancel")) {
            QTRY_VERIFY(StateLine(*fixture).contains(QStringLiteral("is not encrypted")));
            QTest::qWait(300);
            QVERIFY(!asked.happened());
            QVERIFY(server.heads().isEmpty());
            QVERIFY(!ReadAll(fixture->settingsFilePath()).contains("Unencrypted="));
        } else {
            QCOMPARE(ReadAll(fixture->settingsFilePath()).count(allowance), 1);
            QTRY_VERIFY(asked.happened());
            QTRY_VERIFY(OfferedCredentials(server).contains(QStringLiteral("kim:secret")));
        }
    }

    void anUntrustedCertificateIsAskedAboutOnce_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("accepted") << "Accept";
        QTest::newRow("cancelled") << "Cancel";
    }
    void anUntrustedCertificateIsAskedAboutOnce() {
        QFETCH(QString, answer);
        const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
        if (openssl.isEmpty())
            QSKIP("no openssl to make the test server's certificate");
        if (!QSslSocket::supportsSsl())
            QSKIP("Qt has no TLS backend here");
        QTemporaryDir keys;
        QProcess make;
        make.start(openssl, {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                             "/CN=127.0.0.1", "-keyout", keys.filePath("key.pem"), "-out",
                             keys.filePath("cert.pem")});
        QVERIFY(make.waitForFinished(60000) && make.exitCode() == 0);
        QProcess digest;
        digest.start(openssl, {"x509", "-noout", "-fingerprint", "-sha256", "-in",
                               keys.filePath("cert.pem")});
        QVERIFY(digest.waitForFinished(30000) && digest.exitCode() == 0);
        // "sha256 Fingerprint=3A:F0:…", as openssl prints it.
        const QString fingerprint = QString::fromLatin1(digest.readAllStandardOutput())
                                        .section(u'=', 1)
                                        .trimmed()
                                        .toUpper();
        QCOMPARE(fingerprint.size(), 32 * 3 - 1);

        QSslServer tls;
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificate(QSslCertificate(ReadAll(keys.filePath("cert.pem"))));
        configuration.setPrivateKey(QSslKey(ReadAll(keys.filePath("key.pem")), QSsl::Rsa));
        tls.setSslConfiguration(configuration);
        HttpServer server(&tls, kUnavailable);
        QVERIFY(server.listen());
        int handshakes = 0;
        connect(&tls, &QSslServer::startedEncryptionHandshake, &tls,
                [&handshakes] { ++handshakes; });

        const QString url = QStringLiteral("https://127.0.0.1:%1/kim/duty/").arg(server.port());
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kFiveTfs + CalendarTarget(url, {}));
        AnswerNextMessageBox box(answer);
        StartWindow(fixture, kToday);
        QTRY_VERIFY(box.happened());
        QVERIFY2(box.shown().text.contains(url), qPrintable(box.shown().text));
        QVERIFY2(box.shown().text.contains(fingerprint), qPrintable(box.shown().text));
        QCOMPARE(box.shown().buttons, (QStringList{"Accept", "Cancel"}));

        const QByteArray saved = "Certificate=" + fingerprint.toLatin1().toLower().replace(":", "");
        if (answer == "Accept") {
            // Kept with the target, and the server is spoken to over TLS from then on.
            QCOMPARE(ReadAll(fixture->settingsFilePath()).count(saved + "\n"), 1);
            QTRY_VERIFY(!server.heads().isEmpty());
            QVERIFY(server.heads().first().startsWith("PROPFIND /kim/duty/ HTTP/1.1"));
            QTRY_COMPARE(StateLine(*fixture), QStringLiteral("5 changes waiting: server error"));
        } else {
            QVERIFY(!ReadAll(fixture->settingsFilePath()).contains("Certificate="));
            const QString untrusted =
                QStringLiteral("5 changes waiting: the server's certificate is not trusted");
            QTRY_COMPARE(StateLine(*fixture), untrusted);
            // Tried again, the same certificate is not asked about again.
            const int before = handshakes;
            OpenTab(*fixture, ControlsOf(*fixture).settingsPage);
            Click(ActionButton(*fixture));
            QTRY_VERIFY(handshakes > before);
            QTRY_COMPARE(StateLine(*fixture), untrusted);
            QVERIFY(server.heads().isEmpty());
        }
        QTest::qWait(200);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestPublishQuestions)
#include "test_publish_questions.moc"
