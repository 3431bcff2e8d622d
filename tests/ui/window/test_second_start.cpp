// One window per user's settings: a second start hands its day to the window that runs and
// ends; twenty starts at once leave one window; a window that was killed or ended by a signal
// leaves nothing that blocks the next start; the channel lies in a folder only the user can
// reach, and silent connections do not hold it. --help and --version answer without a display.

#include "file_helpers.h"
#include "window_fixture.h"

#include "platform/private_folder.h"
#include "platform/settings_location.h"
#include "platform/single_instance.h"
#include "ui/window/startup.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <future>
#include <memory>
#include <vector>

#include <unistd.h>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

// Folders of the test's own for the settings, the runtime folder and the temporary folder.
struct Folders {
    QTemporaryDir config;
    QTemporaryDir runtime; // made 0700, as a session's runtime folder is
    QTemporaryDir temporary;
    QTemporaryDir cache;
};

QProcessEnvironment Environment(const Folders& folders, const QString& platform,
                                const QString& runtime = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folders.config.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                       runtime.isEmpty() ? folders.runtime.path() : runtime);
    environment.insert(QStringLiteral("TMPDIR"), folders.temporary.path());
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), folders.cache.path());
    return environment;
}

// The sockets below `folder`, at any depth.
QStringList SocketsIn(const QString& folder) {
    QStringList sockets;
    QDirIterator it(folder, {QStringLiteral("*.socket")}, QDir::System | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        sockets.append(it.next());
    return sockets;
}

bool Listening(const QString& folder) {
    for (const QString& path : SocketsIn(folder)) {
        QLocalSocket socket;
        socket.connectToServer(path);
        if (socket.waitForConnected(200))
            return true;
    }
    return false;
}

std::unique_ptr<QProcess> Start(const QProcessEnvironment& environment,
                                const QStringList& arguments = {}) {
    auto program = std::make_unique<QProcess>();
    program->setProcessEnvironment(environment);
    program->start(QStringLiteral(DUTYLOOP_PROGRAM), arguments);
    return program;
}

void End(QProcess& program) {
    if (program.state() == QProcess::NotRunning)
        return;
    program.kill();
    program.waitForFinished(5000);
}

// A second local account for the length of a test, where the machine lets the test make one.
class OtherUser {
public:
    OtherUser() {
        if (::getuid() != 0) {
            m_why = QStringLiteral("making a second account needs the super-user");
            return;
        }
        const QString useradd = QStandardPaths::findExecutable(QStringLiteral("useradd"),
                                                               {QStringLiteral("/usr/sbin")});
        if (useradd.isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("runuser"), {QStringLiteral("/usr/sbin")})
                .isEmpty()) {
            m_why = QStringLiteral("useradd or runuser is missing");
            return;
        }
        static int made = 0;
        m_name = QStringLiteral("dlt%1x%2").arg(::getpid()).arg(++made);
        if (QProcess::execute(useradd, {QStringLiteral("--no-create-home"), m_name}) != 0) {
            m_why = QStringLiteral("useradd refused to make an account");
            m_name.clear();
            return;
        }
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-u"), m_name});
        id.waitForFinished();
        m_uid = id.readAllStandardOutput().trimmed().toUInt();
    }
    ~OtherUser() {
        if (m_name.isEmpty())
            return;
        // Whatever still runs as the account goes first, or the account could not go.
        QProcess::execute(QStringLiteral("pkill"),
                          {QStringLiteral("-KILL"), QStringLiteral("-u"), m_name});
        QDeadlineTimer deadline(5000);
        while (QProcess::execute(QStringLiteral("/usr/sbin/userdel"), {m_name}) != 0 &&
               !deadline.hasExpired())
            QThread::msleep(100);
    }
    OtherUser(const OtherUser&) = delete;
    OtherUser& operator=(const OtherUser&) = delete;

    bool exists() const { return !m_name.isEmpty(); }
    QString whyNot() const { return m_why; }
    uint uid() const { return m_uid; }
    // Gives the path to the account, as its own.
    bool own(const QString& path) const {
        return QProcess::execute(QStringLiteral("chown"), {m_name, path}) == 0;
    }
    // Runs a Python program as the account.
    std::unique_ptr<QProcess> python(const QString& program, const QStringList& arguments) const {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral("/usr/sbin/runuser"),
                       QStringList{QStringLiteral("-u"), m_name, QStringLiteral("--"),
                                   QStringLiteral("/usr/bin/python3"), QStringLiteral("-c"),
                                   program} +
                           arguments);
        return process;
    }

private:
    QString m_name;
    QString m_why;
    uint m_uid = 0;
};

// Listens at a path as the other account and writes to a log every connection it gets.
const QString kForeignListener =
    QStringLiteral("import os, socket, sys\n"
                   "path, log = sys.argv[1], sys.argv[2]\n"
                   "server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)\n"
                   "server.bind(path)\n"
                   "os.chmod(path, 0o777)\n"
                   "server.listen(50)\n"
                   "open(log, 'w').close()\n"
                   "while True:\n"
                   "    connection, _ = server.accept()\n"
                   "    data = connection.recv(4096)\n"
                   "    with open(log, 'a') as out: out.write('connected: %r\\n' % data)\n"
                   "    connection.close()\n");

// A window listening on a channel in a folder of the test's own.
struct Listener {
    QTemporaryDir folder;
    InstanceChannel channel{folder.filePath(QStringLiteral("w.socket")),
                            folder.filePath(QStringLiteral("w.lock"))};
};

} // namespace

class TestSecondStart : public QObject {
    Q_OBJECT
private slots:
    void theRunningWindowShowsTheDayHandedOver_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("a day") << QByteArray("2024-02-29") << QDate(2024, 2, 29);
        QTest::newRow("the first day the calendar shows")
            << QByteArray("2014-03-31") << QDate(2014, 3, 31);
        // A day the calendar does not show leaves the window where it is.
        QTest::newRow("year one") << QByteArray("0001-01-01") << QDate(2023, 9, 15);
        QTest::newRow("after the last day") << QByteArray("2101-01-05") << QDate(2023, 9, 15);
        QTest::newRow("no day") << QByteArray("show") << QDate(2023, 9, 15);
    }
    void theRunningWindowShowsTheDayHandedOver() {
        QFETCH(QByteArray, message);
        QFETCH(QDate, shown);
        auto window = ShownWindow();
        Listener listener;
        std::optional<InstanceLock> lock = InstanceLock::Take(listener.channel.lockPath);
        QVERIFY(lock);
        SingleInstance instance(listener.channel, std::move(*lock));
        QVERIFY(instance.listen());
        FollowSecondStarts(instance, *window);
        // The start waits for the window's answer, which the window gives from its event loop.
        std::future<bool> handedOver = std::async(std::launch::async, [&listener, message] {
            return SingleInstance::HandOver(listener.channel.socketPath, message);
        });
        QTRY_VERIFY(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(handedOver.get());
        QTRY_COMPARE(window->view().shownDate, shown);
        // A day shown is shown on the calendar, whatever tab was open.
        if (shown != QDate(2023, 9, 15))
            QCOMPARE(ControlsOf(*window).tabs->currentWidget(), ControlsOf(*window).calendarPage);
    }

    void theLockIsOneWindowsAtATime() {
        Listener listener;
        std::optional<InstanceLock> first = InstanceLock::Take(listener.channel.lockPath);
        QVERIFY(first);
        QVERIFY(!InstanceLock::Take(listener.channel.lockPath));
        first.reset();
        QVERIFY(InstanceLock::Take(listener.channel.lockPath));
    }

    void versionAndHelpNeedNoDisplay_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("output");
        QTest::newRow("--version") << "--version"
                                   << "dutyloop 3.0.1\n";
        QTest::newRow("--help") << "--help"
                                << "--date <date>";
    }
    void versionAndHelpNeedNoDisplay() {
        QFETCH(QString, option);
        QFETCH(QString, output);
        Folders folders;
        // The X11 platform without a display: a start that opened a window would fail.
        auto program = Start(Environment(folders, QStringLiteral("xcb")), {option});
        QVERIFY(program->waitForFinished(10000));
        QCOMPARE(program->exitCode(), 0);
        QVERIFY2(QString::fromLocal8Bit(program->readAllStandardOutput()).contains(output),
                 program->readAllStandardError().constData());
    }

    void aSecondStartHandsOverAndAKilledWindowBlocksNothing() {
        Folders folders;
        const QProcessEnvironment environment = Environment(folders, QStringLiteral("offscreen"));
        auto first = Start(environment);
        QTRY_VERIFY_WITH_TIMEOUT(Listening(folders.runtime.path()), 10000);

        auto second = Start(environment, {QStringLiteral("--date"), QStringLiteral("2024-02-29")});
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);

        first->kill();
        QVERIFY(first->waitForFinished(5000));
        auto third = Start(environment);
        QTRY_VERIFY_WITH_TIMEOUT(Listening(folders.runtime.path()), 10000);
        QCOMPARE(third->state(), QProcess::Running);
        End(*third);
    }

    // A window ended by SIGTERM or SIGINT removes its socket file on the way out.
    void aSignalLeavesNoSocket_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void aSignalLeavesNoSocket() {
        QFETCH(int, signal);
        Folders folders;
        auto window = Start(Environment(folders, QStringLiteral("offscreen")));
        QTRY_VERIFY_WITH_TIMEOUT(Listening(folders.runtime.path()), 10000);
        QCOMPARE(SocketsIn(folders.runtime.path()).size(), 1);
        ::kill(static_cast<pid_t>(window->processId()), signal);
        QVERIFY(window->waitForFinished(10000));
        QCOMPARE(window->exitStatus(), QProcess::NormalExit);
        QCOMPARE(SocketsIn(folders.runtime.path()), QStringList{});
    }

    // Twenty starts launched together on one settings file leave one window, every time.
    void startsAtOnceLeaveOneWindow() {
        Folders folders;
        const QProcessEnvironment environment = Environment(folders, QStringLiteral("offscreen"));
        for (int run = 0; run < 20; ++run) {
            std::vector<std::unique_ptr<QProcess>> starts;
            for (int i = 0; i < 20; ++i)
                starts.push_back(Start(environment));
            // Those that handed over end by themselves; the window stays.
            QDeadlineTimer deadline(20000);
            const auto running = [&starts] {
                int count = 0;
                for (const auto& start : starts)
                    count += start->state() != QProcess::NotRunning ? 1 : 0;
                return count;
            };
            while (running() > 1 && !deadline.hasExpired())
                QTest::qWait(50);
            // A moment more, for a start that would only now open a second window.
            QTest::qWait(300);
            const int windows = running();
            for (const auto& start : starts) {
                if (start->state() == QProcess::NotRunning)
                    QCOMPARE(start->exitCode(), 0);
                End(*start);
            }
            QVERIFY2(windows == 1,
                     qPrintable(QStringLiteral("run %1: %2 windows").arg(run + 1).arg(windows)));
        }
    }

    // A runtime folder path too long for a socket's address: the channel moves to a short
    // private folder in the temporary folder, and one window still holds.
    void aLongRuntimePathFallsBack() {
        Folders folders;
        QString longRuntime = folders.runtime.path();
        while (longRuntime.size() < 120)
            longRuntime += QStringLiteral("/long-folder-name");
        QVERIFY(QDir().mkpath(longRuntime));
        QVERIFY(QFile::setPermissions(
            longRuntime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        const QProcessEnvironment environment =
            Environment(folders, QStringLiteral("offscreen"), longRuntime);
        auto first = Start(environment);
        QTRY_VERIFY_WITH_TIMEOUT(Listening(folders.temporary.path()), 10000);
        auto second = Start(environment);
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        End(*first);
    }

    // Connections that say nothing are ended, so that even a window with few file handles
    // answers a start after a crowd of them.
    void silentConnectionsDoNotBlockAStart() {
        Folders folders;
        const QProcessEnvironment environment = Environment(folders, QStringLiteral("offscreen"));
        auto window = std::make_unique<QProcess>();
        window->setProcessEnvironment(environment);
        window->start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("ulimit -n 64 && exec \"$0\""),
                       QStringLiteral(DUTYLOOP_PROGRAM)});
        QTRY_VERIFY_WITH_TIMEOUT(Listening(folders.runtime.path()), 10000);
        const QString socketPath = SocketsIn(folders.runtime.path()).value(0);
        std::vector<std::unique_ptr<QLocalSocket>> silent;
        for (int i = 0; i < 80; ++i) {
            silent.push_back(std::make_unique<QLocalSocket>());
            silent.back()->connectToServer(socketPath);
        }
        auto second = Start(environment, {QStringLiteral("--date"), QStringLiteral("2024-02-29")});
        QVERIFY(second->waitForFinished(15000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(window->state(), QProcess::Running);
        End(*window);
    }

    // Another local account that listens first where the program might look, or puts a folder
    // in its place, is never handed anything and does not stop the one-window rule.
    void anotherUserCannotTakeTheChannel_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("a listener in the runtime folder named") << "runtime";
        QTest::newRow("a folder at the temporary fallback") << "temporary";
    }
    void anotherUserCannotTakeTheChannel() {
        QFETCH(QString, where);
        const OtherUser other;
        if (!other.exists())
            QSKIP(qPrintable(QStringLiteral("no second account: ") + other.whyNot()));
        Folders folders;
        QTemporaryDir shared; // where the other account writes what it heard
        QVERIFY(QFile::setPermissions(shared.path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::WriteOther | QFileDevice::ExeOther));
        QString runtime;
        std::unique_ptr<QProcess> listener;
        const QString log = shared.filePath(QStringLiteral("heard"));
        if (where == QLatin1String("runtime")) {
            // The runtime folder the program is pointed to is the other account's, with a
            // listener at the very name the program would use.
            runtime = shared.filePath(QStringLiteral("theirs"));
            QVERIFY(QDir().mkdir(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner));
            QVERIFY(other.own(runtime));
            const QString settingsFile = FindSettingsFile(folders.config.path());
            const QByteArray hash =
                QCryptographicHash::hash(settingsFile.toUtf8(), QCryptographicHash::Sha256)
                    .toHex()
                    .left(16);
            const QString socketPath = QDir(runtime).filePath(
                QStringLiteral("dutyloop-%1.socket").arg(QString::fromLatin1(hash)));
            listener = other.python(kForeignListener, {socketPath, log});
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(log), 10000);
        } else {
            const QString squatted = QDir(folders.temporary.path())
                                         .filePath(QStringLiteral("dutyloop-%1").arg(::getuid()));
            QVERIFY(QDir().mkdir(squatted));
            QVERIFY(other.own(squatted));
            // The runtime folder the program is pointed to is the other account's too.
            runtime = shared.filePath(QStringLiteral("theirs"));
            QVERIFY(QDir().mkdir(runtime));
            QVERIFY(other.own(runtime));
        }
        const QProcessEnvironment environment =
            Environment(folders, QStringLiteral("offscreen"), runtime);
        auto first = Start(environment);
        QTest::qWait(1500);
        QCOMPARE(first->state(), QProcess::Running);
        auto second = Start(environment, {QStringLiteral("--date"), QStringLiteral("2024-02-29")});
        QVERIFY(second->waitForFinished(15000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        if (listener) {
            QFile heard(log);
            QVERIFY(heard.open(QIODevice::ReadOnly));
            QCOMPARE(heard.readAll(), QByteArray());
            listener->kill();
            listener->waitForFinished();
        }
        End(*first);
    }

    // The window's side: a connection from another account is told apart by its peer's user.
    void aConnectionFromAnotherUserIsKnown() {
        const OtherUser other;
        if (!other.exists())
            QSKIP(qPrintable(QStringLiteral("no second account: ") + other.whyNot()));
        QTemporaryDir folder;
        QVERIFY(QFile::setPermissions(folder.path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ExeOther));
        QLocalServer server;
        server.setSocketOptions(QLocalServer::WorldAccessOption);
        QVERIFY(server.listen(folder.filePath(QStringLiteral("open.socket"))));
        auto client =
            other.python(QStringLiteral("import socket, sys\n"
                                        "s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)\n"
                                        "s.connect(sys.argv[1])\n"
                                        "s.recv(1)\n"),
                         {server.fullServerName()});
        QVERIFY(server.waitForNewConnection(10000));
        QLocalSocket* theirs = server.nextPendingConnection();
        QVERIFY(!PeerIsThisUser(*theirs));
        QLocalSocket mine;
        mine.connectToServer(server.fullServerName());
        QVERIFY(mine.waitForConnected(5000));
        QVERIFY(server.waitForNewConnection(5000));
        QVERIFY(PeerIsThisUser(*server.nextPendingConnection()));
        client->kill();
        client->waitForFinished();
    }

    // The folder of the channel: the user's own, with no rights for anyone else, never a link.
    void onlyAPrivateFolderServes_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("serves");
        QTest::newRow("a folder of 0700") << "private" << true;
        QTest::newRow("a folder others may enter") << "open" << false;
        QTest::newRow("a link to a private folder") << "link" << false;
        QTest::newRow("a plain file") << "file" << false;
        QTest::newRow("another user's folder") << "foreign" << false;
    }
    void onlyAPrivateFolderServes() {
        QFETCH(QString, kind);
        QFETCH(bool, serves);
        QTemporaryDir base;
        const QString path = base.filePath(QStringLiteral("folder"));
        const QString target = base.filePath(QStringLiteral("target"));
        QVERIFY(QDir().mkdir(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner));
        if (kind == QLatin1String("private") || kind == QLatin1String("foreign"))
            QVERIFY(QDir().mkdir(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner));
        else if (kind == QLatin1String("open"))
            QVERIFY(QDir().mkdir(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ExeOther));
        else if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(target, path));
        else
            WritePlainFile(path, "x");
        uid_t owner = ::getuid();
        if (kind == QLatin1String("foreign")) {
            // Seen as another user's: the folder's real owner is not the one asked about.
            owner = owner + 1;
        }
        QCOMPARE(IsPrivateFolder(path, owner), serves);
        // A folder that does not serve is never made to serve: the next place is taken.
        const QString chosen = PrivateFolderFor({path, target}, owner, 20);
        QCOMPARE(chosen, serves ? path : (owner == ::getuid() ? target : QString()));
    }
};

QTEST_MAIN(TestSecondStart)
#include "test_second_start.moc"
