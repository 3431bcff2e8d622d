#include "calendar/published_duty.h"
#include "publishing/publisher.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

Q_DECLARE_METATYPE(dutyloop::PublishTarget)

using namespace dutyloop;
using namespace std::chrono_literals;

namespace {

const QDateTime kNow(QDate(2027, 3, 10), QTime(9, 0), QTimeZone::utc());

// A server of the test's own on 127.0.0.1 that gives every request the same answer, or none.
class CannedServer : public QTcpServer {
public:
    explicit CannedServer(QByteArray answer) : m_answer(std::move(answer)) {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    m_request += socket->readAll();
                    if (m_answer.isEmpty() || !m_request.contains("\r\n\r\n"))
                        return; // silent: the client waits
                    socket->write(m_answer);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString url() const {
        return QStringLiteral("http://127.0.0.1:%1/kim/duty/").arg(serverPort());
    }

private:
    QByteArray m_answer;
    QByteArray m_request;
};

QByteArray HttpAnswer(const QByteArray& statusLine, const QByteArray& type,
                      const QByteArray& body) {
    return "HTTP/1.1 " + statusLine + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// A multistatus whose elements nest a hundred thousand deep.
QByteArray DeepAnswer() {
    constexpr int kDepth = 100000;
    return HttpAnswer("207 Multi-Status", "application/xml",
                      "<d:multistatus xmlns:d='DAV:'>" + QByteArray("<d:x>").repeated(kDepth) +
                          QByteArray("</d:x>").repeated(kDepth) + "</d:multistatus>");
}

PublishedDuty SomeDuty() {
    Settings settings;
    settings.assignment = QStringLiteral("5 TFS");
    settings.publish.months = 1;
    return PublishedDutyFor(settings, {}, kNow);
}

PublishTarget CalendarAt(const QString& url) {
    return {PublishTarget::Kind::CalDav, url, "kim", {}, 1, {}};
}

} // namespace

class TestPublishFaults : public QObject {
    Q_OBJECT
private slots:
    // Each answer a server can give instead of a calendar, and what the status says of it. The
    // work waits in every case.
    void badAnswers_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<PublishProblem>("problem");
        QTest::addColumn<QString>("words"); // in the details
        QTest::newRow("garbage, not HTTP")
            << QByteArray("garbage\r\n\r\n") << PublishProblem::BadAnswer << QString();
        QTest::newRow("a web page")
            << HttpAnswer("207 Multi-Status", "text/html", "<html><body>Hello</body></html>")
            << PublishProblem::BadAnswer << QString();
        QTest::newRow("a server error")
            << HttpAnswer("500 Internal Server Error", "text/plain", "Disk full")
            << PublishProblem::ServerError << "500 Internal Server Error: Disk full";
        QTest::newRow("forbidden") << HttpAnswer("403 Forbidden", "text/plain", "")
                                   << PublishProblem::Forbidden << "403 Forbidden";
        QTest::newRow("no such calendar") << HttpAnswer("404 Not Found", "text/plain", "")
                                          << PublishProblem::NotACalendar << "404";
        QTest::newRow("a collection that is no calendar")
            << HttpAnswer("207 Multi-Status", "application/xml",
                          "<multistatus xmlns='DAV:'><response><href>/kim/duty/</href><propstat>"
                          "<prop><resourcetype><collection/></resourcetype></prop>"
                          "<status>HTTP/1.1 200 OK</status></propstat></response></multistatus>")
            << PublishProblem::NotACalendar << QString();
        const QByteArray nineMiB(9 * 1024 * 1024, ' ');
        QTest::newRow("an answer past the size limit, said in advance")
            << HttpAnswer("207 Multi-Status", "application/xml", nineMiB)
            << PublishProblem::BadAnswer << "larger than 8 MiB";
        QTest::newRow("an answer past the size limit, its length unsaid")
            << "HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\n"
               "Connection: close\r\n\r\n" +
                   nineMiB
            << PublishProblem::BadAnswer << "larger than 8 MiB";
        QTest::newRow("XML nested too deep")
            << DeepAnswer() << PublishProblem::BadAnswer << "nest deeper than 64 levels";
    }
    void badAnswers() {
        QFETCH(QByteArray, answer);
        QFETCH(PublishProblem, problem);
        QFETCH(QString, words);
        CannedServer server(answer);
        QTemporaryDir settings;
        Publisher publisher(settings.path(), [] { return kNow; });
        publisher.setRetrying(false);
        publisher.setTarget(CalendarAt(server.url()), "secret");
        publisher.publish(SomeDuty());
        QTRY_VERIFY(publisher.status().state != PublishStatus::State::Publishing);
        QCOMPARE(publisher.status().state, PublishStatus::State::Waiting);
        QCOMPARE(publisher.status().problem, problem);
        QVERIFY2(publisher.status().details.contains(words),
                 qPrintable(publisher.status().details));
        QCOMPARE(publisher.status().changesWaiting, int(SomeDuty().events.size()));
    }

    // A calendar with a user name and no password given waits for one with all of the duty; the
    // server is not asked, whose refusal would tell of a wrong password where none was given.
    void noPasswordGiven() {
        CannedServer server(HttpAnswer("401 Unauthorized", "text/plain", ""));
        int connections = 0;
        connect(&server, &QTcpServer::newConnection, this, [&connections] { ++connections; });
        QTemporaryDir settings;
        Publisher publisher(settings.path(), [] { return kNow; });
        publisher.setRetrying(false);
        publisher.setTarget(CalendarAt(server.url()), QString());
        publisher.publish(SomeDuty());
        QCOMPARE(publisher.status().state, PublishStatus::State::Waiting);
        QCOMPARE(publisher.status().problem, PublishProblem::NoPassword);
        QCOMPARE(publisher.status().changesWaiting, int(SomeDuty().events.size()));
        QTest::qWait(100);
        QCOMPARE(connections, 0);
    }

    // A server that never answers: the request gives up at its time limit, and the caller's
    // event loop runs on meanwhile.
    void slowServer() {
        CannedServer server({});
        QTemporaryDir settings;
        Publisher publisher(settings.path(), [] { return kNow; });
        publisher.setRetrying(false);
        publisher.setRequestTimeout(500ms);
        publisher.setTarget(CalendarAt(server.url()), "secret");
        QElapsedTimer clock;
        clock.start();
        publisher.publish(SomeDuty());
        // publish() does not wait for the server, which would take the whole time limit.
        QVERIFY(clock.elapsed() < 500);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(20);
        QTRY_VERIFY_WITH_TIMEOUT(publisher.status().state != PublishStatus::State::Publishing,
                                 5000);
        QCOMPARE(publisher.status().problem, PublishProblem::Timeout);
        QVERIFY(clock.elapsed() >= 500);
        // The caller's timer ran while the request waited; on a busy machine it runs less often.
        QVERIFY2(ticks > 0, qPrintable(QString::number(ticks)));
    }

    // Nothing listens: unreachable; tried again after 5 seconds, then 10, by the injected clock.
    void unreachableWithBackOff() {
        quint16 port = 0;
        {
            QTcpServer closed;
            closed.listen(QHostAddress::LocalHost, 0);
            port = closed.serverPort();
        }
        QTemporaryDir settings;
        Publisher publisher(settings.path(), [] { return kNow; });
        publisher.setTarget(CalendarAt(QStringLiteral("http://127.0.0.1:%1/cal/").arg(port)), "x");
        publisher.publish(SomeDuty());
        QTRY_VERIFY(publisher.status().state == PublishStatus::State::Waiting);
        QCOMPARE(publisher.status().problem, PublishProblem::Unreachable);
        QVERIFY(!publisher.status().details.isEmpty());
        QCOMPARE(publisher.status().nextTry, kNow.addSecs(5));
        publisher.retryNow();
        QTRY_VERIFY(publisher.status().state == PublishStatus::State::Waiting);
        QCOMPARE(publisher.status().nextTry, kNow.addSecs(10));
    }

    // Targets that cannot be used are said so at once, and nothing is tried.
    void unusableTargets_data() {
        QTest::addColumn<PublishTarget>("target");
        QTest::addColumn<PublishProblem>("problem");
        QTemporaryDir scratch;
        QTest::newRow("no web address")
            << CalendarAt("ftp://dav.example/") << PublishProblem::BadTarget;
        QTest::newRow("a relative folder")
            << PublishTarget{PublishTarget::Kind::Folder, {}, {}, "duty", 1, {}}
            << PublishProblem::BadTarget;
    }
    void unusableTargets() {
        QFETCH(PublishTarget, target);
        QFETCH(PublishProblem, problem);
        QTemporaryDir settings;
        Publisher publisher(settings.path(), [] { return kNow; });
        publisher.setTarget(target);
        QCOMPARE(publisher.status().state, PublishStatus::State::Waiting);
        QCOMPARE(publisher.status().problem, problem);
        QVERIFY(!publisher.status().details.isEmpty());
    }

    // A folder under a plain file cannot be made: said so, with the system's words.
    void folderNotWritable() {
        QTemporaryDir settings;
        QFile plain(settings.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        Publisher publisher(settings.path(), [] { return kNow; });
        publisher.setRetrying(false);
        publisher.setTarget(
            {PublishTarget::Kind::Folder, {}, {}, plain.fileName() + "/duty", 1, {}});
        publisher.publish(SomeDuty());
        QTRY_VERIFY(publisher.status().state == PublishStatus::State::Waiting);
        QCOMPARE(publisher.status().problem, PublishProblem::FolderNotWritable);
        QVERIFY(publisher.status().details.contains("plain/duty"));
    }
};

QTEST_GUILESS_MAIN(TestPublishFaults)
#include "test_publish_faults.moc"
