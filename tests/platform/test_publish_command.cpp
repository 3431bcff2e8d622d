// `dutyloop --publish` run as a systemd timer runs it: the settings in a folder of the test's
// own, the password in a file, the day pinned by libfaketime to 10 March 2027, and Debian's
// Radicale as the server. 5 TFS's runs in March 2027, read off the pattern table from its anchor
// Monday 2014-01-06, start on the 2nd, 9th, 15th, 21st and 28th.

#include "faketime.h"
#include "file_helpers.h"
#include "radicale_server.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace dutyloop::testing;

namespace {

struct Run {
    int exitCode = -1;
    QString output;
    QString errors;
};

// The program with the settings given (the server's address for "URL=$CALENDAR") and a password
// file of that mode.
Run PublishWith(const QTemporaryDir& config, QByteArray settings, const QString& calendar,
                QFileDevice::Permissions passwordMode, const QByteArray& password = "secret\n",
                const QString& lang = QStringLiteral("en_US.UTF-8")) {
    const QString folder = config.filePath(QStringLiteral("Halvorne/Dutyloop"));
    QDir().mkpath(folder);
    settings.replace("$CALENDAR", calendar.toUtf8());
    settings.replace("$FOLDER", config.filePath("vdir").toUtf8());
    WritePlainFile(folder + QStringLiteral("/dlTornvale.ini"), settings);
    const QString passwordFile = config.filePath("password");
    WritePlainFile(passwordFile, password);
    QFile(passwordFile).setPermissions(passwordMode);
    QProcess program;
    program.setProcessEnvironment(
        TimerEnvironment(config.path(), QStringLiteral("@2027-03-10 09:00:00"), lang));
    program.start(QStringLiteral(DUTYLOOP_PROGRAM),
                  {QStringLiteral("--publish"), QStringLiteral("--password-file"), passwordFile});
    if (!program.waitForFinished(60000))
        return {};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

const QByteArray kCalendar =
    "[Config]\nWorkAssign=5 TFS\n[Publish]\nTarget=caldav\nURL=$CALENDAR\nUser=kim\nMonths=1\n";
constexpr auto kPrivate = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

class TestPublishCommand : public QObject {
    Q_OBJECT
    std::unique_ptr<RadicaleServer> m_server;
    QString m_whyNoServer;

private slots:
    void initTestCase() {
        if (FaketimeLibrary().isEmpty())
            QSKIP("libfaketime is not installed; make deps installs it");
        m_whyNoServer = WhyNoRadicale();
        if (!m_whyNoServer.isEmpty())
            return;
        m_server = std::make_unique<RadicaleServer>();
        m_whyNoServer = m_server->start();
        bool ok = false;
        if (m_whyNoServer.isEmpty())
            m_server->client({"make"}, &ok);
    }
    void cleanupTestCase() { m_server.reset(); }

    // Published twice: the second run finds everything there.
    void publishesToTheServer() {
        if (!m_whyNoServer.isEmpty())
            QSKIP(qPrintable(m_whyNoServer));
        QTemporaryDir config;
        const QString url = m_server->calendarUrl();
        Run run = PublishWith(config, kCalendar, url, kPrivate);
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output, "5 created, 0 updated, 0 deleted on " + url + "\n");
        bool ok = false;
        const QStringList listed = m_server->client({"list"}, &ok).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(ok);
        QStringList starts;
        for (const QString& line : listed)
            starts.append(line.section(u'\t', 0, 0));
        QCOMPARE(starts, (QStringList{"2027-03-02", "2027-03-09", "2027-03-15", "2027-03-21",
                                      "2027-03-28"}));
        run = PublishWith(config, kCalendar, url, kPrivate);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output, "0 created, 0 updated, 0 deleted on " + url + "\n");
    }

    // Each way a run cannot publish: the exit code, and the reason on the standard error.
    void refusals_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("calendar"); // "server": the test's Radicale
        QTest::addColumn<int>("passwordMode");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("reason");
        const int secret = int(kPrivate);
        QTest::newRow("unreachable server")
            << kCalendar << "http://127.0.0.1:9/kim/duty/" << secret << QByteArray("secret\n") << 1
            << "dutyloop: server unreachable (";
        QTest::newRow("wrong password") << kCalendar << "server" << secret << QByteArray("guess\n")
                                        << 1 << "dutyloop: wrong user name or password (401";
        QTest::newRow("an empty password")
            << kCalendar << "http://127.0.0.1:9/kim/duty/" << secret << QByteArray("\n") << 2
            << "dutyloop: no password given";
        QTest::newRow("plain http to another computer")
            << kCalendar << "http://dav.example.invalid/kim/duty/" << secret
            << QByteArray("secret\n") << 2
            << "dutyloop: http://dav.example.invalid/kim/duty/ is not encrypted";
        QTest::newRow("no web address") << kCalendar << "ftp://127.0.0.1/kim/duty/" << secret
                                        << QByteArray("secret\n") << 2 << "must be a web address";
        QTest::newRow("no target") << QByteArray("[Config]\nWorkAssign=5 TFS\n") << "" << secret
                                   << QByteArray("secret\n") << 2 << "no place to publish is set";
        QTest::newRow("a password file others may read")
            << kCalendar << "server" << int(kPrivate | QFileDevice::ReadOther)
            << QByteArray("secret\n") << 2 << "(chmod 600)";
        QTest::newRow("no crew") << QByteArray(
                                        "[Config]\nWorkAssign=Tornvale\n[Publish]\nTarget=folder\n"
                                        "Folder=$FOLDER\n")
                                 << "" << secret << QByteArray() << 1
                                 << "follows no crew's rotation";
    }
    void refusals() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, calendar);
        QFETCH(int, passwordMode);
        QFETCH(QByteArray, password);
        QFETCH(int, exitCode);
        QFETCH(QString, reason);
        if (calendar == u"server") {
            if (!m_whyNoServer.isEmpty())
                QSKIP(qPrintable(m_whyNoServer));
            calendar = m_server->calendarUrl();
        }
        QTemporaryDir config;
        const Run run = PublishWith(config, settings, calendar,
                                    QFileDevice::Permissions(passwordMode), password);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.output, QString());
        QVERIFY2(run.errors.contains(reason), qPrintable(run.errors));
    }

    // The reason in the user's language.
    void saysWhyInTheUsersLanguage_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("reason");
        QTest::newRow("German") << "de_DE.UTF-8"
                                << "dutyloop: es ist kein Ort zum Veröffentlichen festgelegt";
        QTest::newRow("French") << "fr_FR.UTF-8"
                                << "dutyloop\u00a0: aucun endroit où publier n’est choisi\u202f;";
    }
    void saysWhyInTheUsersLanguage() {
        QFETCH(QString, lang);
        QFETCH(QString, reason);
        QTemporaryDir config;
        const Run run =
            PublishWith(config, "[Config]\nWorkAssign=5 TFS\n", {}, kPrivate, "secret\n", lang);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(reason), qPrintable(run.errors));
    }

    // A folder where the record of what was published belongs: nothing is published, and the
    // run says why and fails.
    void aStateThatCannotBeKept() {
        QTemporaryDir config;
        const QString state = config.filePath("Halvorne/Dutyloop/dutyloop-published.json");
        QVERIFY(QDir().mkpath(state));
        const Run run = PublishWith(
            config,
            "[Config]\nWorkAssign=5 TFS\n[Publish]\nTarget=folder\nFolder=$FOLDER\nMonths=1\n", {},
            kPrivate);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.output, QString());
        QVERIFY2(run.errors.contains("dutyloop: what was published cannot be recorded") &&
                     run.errors.contains(state + ": it is not a file"),
                 qPrintable(run.errors));
        QCOMPARE(QDir(config.filePath("vdir")).entryList(QDir::Files), QStringList());
    }

    // A folder needs no password and no server.
    void publishesToAFolder() {
        QTemporaryDir config;
        const Run run = PublishWith(
            config,
            "[Config]\nWorkAssign=5 TFS\n[Publish]\nTarget=folder\nFolder=$FOLDER\nMonths=1\n", {},
            kPrivate);
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output,
                 "5 created, 0 updated, 0 deleted on " + config.filePath("vdir") + "\n");
        QCOMPARE(QDir(config.filePath("vdir")).entryList(QDir::Files).size(), 5);
    }
};

QTEST_GUILESS_MAIN(TestPublishCommand)
#include "test_publish_command.moc"
