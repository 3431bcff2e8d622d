// One window per user's settings: a second start hands its day to the window that runs and
// ends; a window that was killed leaves nothing that blocks the next start. --help and
// --version answer without a display.

#include "window_fixture.h"

#include "platform/settings_location.h"
#include "platform/single_instance.h"
#include "ui/window/startup.h"

#include <QLocalSocket>
#include <QProcess>
#include <QUuid>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

QString UniqueName() {
    return QStringLiteral("dutyloop-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

QProcessEnvironment Environment(const QString& configFolder, const QString& platform) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    return environment;
}

bool Listening(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    return socket.waitForConnected(200);
}

} // namespace

class TestSecondStart : public QObject {
    Q_OBJECT
private slots:
    void theRunningWindowShowsTheDayHandedOver() {
        auto window = ShownWindow();
        const QString name = UniqueName();
        SingleInstance instance(name);
        QVERIFY(instance.listen());
        FollowSecondStarts(instance, *window);
        QVERIFY(SingleInstance::HandOver(name, "2024-02-29"));
        QTRY_COMPARE(window->view().shownDate, D(2024, 2, 29));
        QCOMPARE(window->view().markedDate, D(2024, 2, 29));
        QCOMPARE(ControlsOf(*window).tabs->currentWidget(), ControlsOf(*window).calendarPage);
    }

    void nothingToHandOverToWhenNoWindowRuns() {
        QVERIFY(!SingleInstance::HandOver(UniqueName(), "show"));
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
        QTemporaryDir config;
        QProcess program;
        // The X11 platform without a display: a start that opened a window would fail.
        program.setProcessEnvironment(Environment(config.path(), QStringLiteral("xcb")));
        program.start(QStringLiteral(DUTYLOOP_PROGRAM), {option});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(QString::fromLocal8Bit(program.readAllStandardOutput()).contains(output),
                 program.readAllStandardError().constData());
    }

    void aSecondStartHandsOverAndAKilledWindowBlocksNothing() {
        QTemporaryDir config;
        const QProcessEnvironment environment =
            Environment(config.path(), QStringLiteral("offscreen"));
        const QString name = InstanceName(FindSettingsFile(config.path()));

        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(DUTYLOOP_PROGRAM));
        QTRY_VERIFY_WITH_TIMEOUT(Listening(name), 10000);

        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(DUTYLOOP_PROGRAM),
                     {QStringLiteral("--date"), QStringLiteral("2024-02-29")});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        first.kill();
        QVERIFY(first.waitForFinished(5000));
        QProcess third;
        third.setProcessEnvironment(environment);
        third.start(QStringLiteral(DUTYLOOP_PROGRAM));
        QTRY_VERIFY_WITH_TIMEOUT(Listening(name), 10000);
        QCOMPARE(third.state(), QProcess::Running);
        third.terminate();
        QVERIFY(third.waitForFinished(5000));
    }
};

QTEST_MAIN(TestSecondStart)
#include "test_second_start.moc"
