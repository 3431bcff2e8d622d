// The secret store forgets a calendar's password once the saved settings publish there no more,
// and keeps it while the calendar and its user stay. Against GNOME's secret store, gnome-keyring,
// on a session bus of the test's own; the machine's own store is never touched.

#include "file_helpers.h"
#include "platform/days_store.h"
#include "platform/settings_model.h"
#include "publishing/secret_store.h"
#include "settings/publish_target.h"
#include "ui/publishing/duty_publishing.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

PublishTarget Calendar(const QString& url, const QString& user) {
    return {PublishTarget::Kind::CalDav, url, user, {}, 12, {}};
}

// Kim's calendar, as the window publishes to it before the user sets another target.
const PublishTarget kKims = Calendar(QStringLiteral("https://dav.example/kim/duty/"), "kim");

} // namespace

Q_DECLARE_METATYPE(dutyloop::PublishTarget)
Q_DECLARE_METATYPE(dutyloop::SecretAnswer::Outcome)

class TestForgottenPasswords : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        const QString bus = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        const QString store =
            QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon"));
        if (bus.isEmpty() || store.isEmpty())
            QSKIP("dbus-daemon or gnome-keyring-daemon is not installed; make deps installs them");
        QVERIFY(m_home.isValid());
        m_bus.start(bus, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                          QStringLiteral("--print-address")});
        QVERIFY(m_bus.waitForStarted());
        QTRY_VERIFY(m_bus.canReadLine());
        const QByteArray address = m_bus.readLine().trimmed();
        // A home of the test's own for the store's keyring, unlocked with a password of its own.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
            environment.insert(QString::fromLatin1(name), m_home.path());
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QString::fromLatin1(address));
        m_store.setProcessEnvironment(environment);
        m_store.start(store, {QStringLiteral("--unlock"), QStringLiteral("--components=secrets"),
                              QStringLiteral("--foreground")});
        QVERIFY(m_store.waitForStarted());
        m_store.write("keyring of the test");
        m_store.closeWriteChannel();
        QDBusConnection watcher =
            QDBusConnection::connectToBus(QString::fromLatin1(address), QStringLiteral("watcher"));
        QTRY_VERIFY(
            watcher.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets")));
        QDBusConnection::disconnectFromBus(QStringLiteral("watcher"));
        // The program's own use of the store goes to the test's bus, and to GNOME's store.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        m_onTheBus = true;
    }
    void cleanupTestCase() {
        for (QProcess* process : {&m_store, &m_bus}) {
            process->kill();
            process->waitForFinished();
        }
    }

    void forgottenWhereNoLongerNeeded_data() {
        QTest::addColumn<PublishTarget>("next");
        QTest::addColumn<SecretAnswer::Outcome>("kimsPassword");
        using Outcome = SecretAnswer::Outcome;
        PublishTarget accepted = kKims;
        accepted.certificate = QByteArray(64, 'a');
        const PublishTarget work = Calendar(QStringLiteral("https://dav.example/kim/work/"), "kim");
        const PublishTarget sam = Calendar(QStringLiteral("https://dav.example/kim/duty/"), "sam");
        const PublishTarget folder{PublishTarget::Kind::Folder, {}, {}, "/tmp/duty", 12, {}};
        QTest::newRow("the same calendar, its certificate accepted") << accepted << Outcome::Done;
        QTest::newRow("another calendar on the server") << work << Outcome::NotFound;
        QTest::newRow("another user") << sam << Outcome::NotFound;
        QTest::newRow("a folder instead") << folder << Outcome::NotFound;
        QTest::newRow("publishing turned off") << PublishTarget{} << Outcome::NotFound;
    }
    void forgottenWhereNoLongerNeeded() {
        QFETCH(PublishTarget, next);
        QFETCH(SecretAnswer::Outcome, kimsPassword);
        QVERIFY(m_onTheBus);
        QObject context;
        std::optional<SecretAnswer> written;
        WritePassword(kKims, QStringLiteral("correct horse 7491"), &context,
                      [&written](const SecretAnswer& answer) { written = answer; });
        QTRY_VERIFY(written);
        QCOMPARE(written->outcome, SecretAnswer::Outcome::Done);
        QTemporaryDir folder;
        const QString path = folder.filePath("dlTornvale.ini");
        const QByteArray text = TextWithPublishTarget("[Config]\nWorkAssign=5 TFS\n", kKims);
        WritePlainFile(path, text);
        SettingsModel settings(path, true);
        DaysStore days(folder.filePath("dlTornvale-days.ini"));
        DutyPublishing publishing(folder.path(), [] { return QDateTime::currentDateTime(); });
        publishing.follow(&settings, &days);
        publishing.start(settings.saved().publish);
        QTRY_COMPARE(publishing.password(), QStringLiteral("correct horse 7491"));

        // As the Publish dialog's OK sets it: saved, then used.
        QCOMPARE(settings.saveTarget(next), QString());
        publishing.setTarget(next, QStringLiteral("another"));
        // The store answers one request after the other: the read comes after any delete.
        const SecretAnswer read = ReadPasswordNow(kKims);
        QCOMPARE(read.outcome, kimsPassword);
    }

private:
    QTemporaryDir m_home;
    QProcess m_bus;
    QProcess m_store;
    bool m_onTheBus = false;
};

QTEST_GUILESS_MAIN(TestForgottenPasswords)
#include "test_forgotten_passwords.moc"
