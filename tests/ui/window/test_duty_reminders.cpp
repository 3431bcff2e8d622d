// The desktop's word before a duty while the program runs, under a clock the test moves as a
// suspend and resume or a hand on the clock would: said once, on time or a few minutes late,
// never for a duty already reminded of. The notification goes over a session bus of the
// test's own to a small notification service that records each Notify call.
//
// 5 TFS works 2 to 4 March 2027 and from 9 March, read off the pattern table from its anchor
// Monday 2014-01-06; with duty from 07:00 to 07:00 in Berlin and a reminder 15 minutes
// before, the run from 2 March is reminded of at 06:45 on 2 March, once.

#include "days_helpers.h"
#include "window_fixture.h"

#include "platform/days_store.h"
#include "platform/desktop_notifications.h"
#include "platform/settings_model.h"
#include "ui/window/duty_reminders.h"

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <memory>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

// Fresh owners of the settings and the days, in a folder of the test's own; the reminders follow
// the settings as saved.
struct Owners {
    QTemporaryDir folder;
    SettingsModel settings{folder.filePath(QStringLiteral("dlTornvale.ini")), false};
    DaysStore days{folder.filePath(QStringLiteral("dutyloop-days.ini"))};
    explicit Owners(const Settings& saved) { save(saved); }
    void save(const Settings& saved) {
        settings.edit(saved);
        settings.save();
    }
};

const QTimeZone kBerlin("Europe/Berlin");

QDateTime Berlin(int month, int day, int hour, int minute = 0) {
    return QDateTime(QDate(2027, month, day), QTime(hour, minute), kBerlin);
}

// The clock the reminders read, moved by the test.
using Clock = std::shared_ptr<QDateTime>;

Settings FiveTfs(Reminder reminder) {
    Settings settings;
    settings.assignment = QStringLiteral("5 TFS");
    settings.dutyHours[QStringLiteral("5 TFS")] = DutyHours{QTime(7, 0), QTime(7, 0)};
    settings.reminder = reminder;
    return settings;
}

const Reminder kQuarterHourBefore{Reminder::Kind::Before, 15, QTime()};

// A check every few milliseconds, so that a move of the clock is seen at once.
constexpr std::chrono::milliseconds kCheck{5};

// Waits long enough for several checks of the reminders.
void LetTheChecksRun() {
    QTest::qWait(100);
}

} // namespace

// The desktop's notification service as the test's bus has it: each Notify call recorded with
// the moment of the test's clock it came at.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString appName;
        QString icon;
        QString summary;
        QString desktopEntry;
        QDateTime at;
    };
    Clock clock;
    QList<Call> calls;

public slots:
    Q_SCRIPTABLE uint Notify(const QString& appName, uint, const QString& icon,
                             const QString& summary, const QString&, const QStringList&,
                             const QVariantMap& hints, int) {
        calls.append({appName, icon, summary,
                      hints.value(QStringLiteral("desktop-entry")).toString(),
                      clock ? *clock : QDateTime()});
        return uint(calls.size());
    }
};

class TestDutyReminders : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return;
        m_daemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                QStringLiteral("--print-address")});
        QVERIFY(m_daemon.waitForStarted());
        QTRY_VERIFY(m_daemon.canReadLine());
        const QByteArray address = m_daemon.readLine().trimmed();
        // The program's own connection, made on first use, goes to the test's bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        QDBusConnection server =
            QDBusConnection::connectToBus(QString::fromLatin1(address), QStringLiteral("server"));
        QVERIFY(server.isConnected());
        QVERIFY(server.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(server.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &m_service,
                                      QDBusConnection::ExportScriptableSlots));
        m_onTheBus = true;
    }
    void cleanupTestCase() {
        if (!m_onTheBus)
            return;
        QDBusConnection::disconnectFromBus(QStringLiteral("server"));
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
    void init() { m_service.calls.clear(); }

    void notifiesOnTheBusOnceWhenDue() {
        if (!m_onTheBus)
            QSKIP("dbus-daemon is not installed; make deps installs it");
        const Clock clock = std::make_shared<QDateTime>(Berlin(3, 1, 12));
        m_service.clock = clock;
        DutyReminders reminders([clock] { return *clock; }, ShowDesktopNotification,
                                QLocale(QLocale::German, QLocale::Germany), kCheck);
        Owners owners(FiveTfs(kQuarterHourBefore));
        reminders.follow(&owners.settings, &owners.days);
        LetTheChecksRun();
        *clock = Berlin(3, 2, 6, 44);
        LetTheChecksRun();
        QCOMPARE(m_service.calls.size(), 0);

        *clock = Berlin(3, 2, 6, 45);
        QTRY_COMPARE(m_service.calls.size(), 1);
        const FakeNotifications::Call call = m_service.calls.first();
        QCOMPARE(call.summary, QStringLiteral("Duty at 07:00 today, 5 TFS"));
        QCOMPARE(call.at, Berlin(3, 2, 6, 45));
        QCOMPARE(call.appName, QStringLiteral("Dutyloop"));
        QCOMPARE(call.icon, QStringLiteral("org.halvorne.Dutyloop"));
        QCOMPARE(call.desktopEntry, QStringLiteral("org.halvorne.Dutyloop"));

        // The clock set back and forward again over the same moment says nothing more.
        LetTheChecksRun();
        *clock = Berlin(3, 2, 6, 30);
        LetTheChecksRun();
        *clock = Berlin(3, 2, 6, 50);
        LetTheChecksRun();
        QCOMPARE(m_service.calls.size(), 1);
        QCOMPARE(reminders.nextReminder(), Berlin(3, 9, 6, 45));
    }

    // The program started, or the machine woke, at `start`; the clock then reads `then`.
    void saysALateReminderOnlyALittleLate_data() {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("then");
        QTest::addColumn<int>("said");
        QTest::newRow("asleep through it, woken 3 minutes after")
            << Berlin(3, 2, 6) << Berlin(3, 2, 6, 48) << 1;
        QTest::newRow("asleep through it, woken an hour after")
            << Berlin(3, 2, 6) << Berlin(3, 2, 7, 45) << 0;
        QTest::newRow("asleep for a week through it") << Berlin(3, 1, 12) << Berlin(3, 8, 12) << 0;
        QTest::newRow("started 2 minutes after") << Berlin(3, 2, 6, 47) << Berlin(3, 2, 6, 47) << 1;
        QTest::newRow("started 10 minutes after")
            << Berlin(3, 2, 6, 55) << Berlin(3, 2, 6, 55) << 0;
    }
    void saysALateReminderOnlyALittleLate() {
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, then);
        QFETCH(int, said);
        const Clock clock = std::make_shared<QDateTime>(start);
        QStringList summaries;
        DutyReminders reminders([clock] { return *clock; },
                                [&summaries](const QString& text) { summaries.append(text); },
                                QLocale(QLocale::German, QLocale::Germany), kCheck);
        Owners owners(FiveTfs(kQuarterHourBefore));
        reminders.follow(&owners.settings, &owners.days);
        *clock = then;
        LetTheChecksRun();
        QCOMPARE(summaries.size(), said);
    }

    void remindsOfADutyOnceWhateverTheSettingsDo() {
        const Clock clock = std::make_shared<QDateTime>(Berlin(3, 1, 12));
        QStringList summaries;
        DutyReminders reminders([clock] { return *clock; },
                                [&summaries](const QString& text) { summaries.append(text); },
                                QLocale(QLocale::German, QLocale::Germany), kCheck);
        Owners owners(FiveTfs({Reminder::Kind::EveningBefore, 0, QTime(19, 0)}));
        reminders.follow(&owners.settings, &owners.days);
        *clock = Berlin(3, 1, 19);
        QTRY_COMPARE(summaries, QStringList{"Duty at 07:00 tomorrow, 5 TFS"});
        // A reminder before the duty as well would remind of the same duty twice.
        *clock = Berlin(3, 1, 20);
        owners.save(FiveTfs(kQuarterHourBefore));
        *clock = Berlin(3, 2, 6, 45);
        LetTheChecksRun();
        QCOMPARE(summaries.size(), 1);
        // The next run is reminded of as the new setting says.
        *clock = Berlin(3, 9, 6, 45);
        QTRY_COMPARE(summaries.size(), 2);
        QCOMPARE(summaries.last(), QStringLiteral("Duty at 07:00 today, 5 TFS"));
        // No reminder wanted: nothing is armed.
        owners.save(FiveTfs({}));
        QCOMPARE(reminders.nextReminder(), std::nullopt);
    }

    // The window reminds by the settings it started with and follows the day changes made in
    // it: leave on the run's first day moves the reminder to the second.
    void theWindowRemindsByItsSettingsAndDays() {
        const Clock clock = std::make_shared<QDateTime>(Berlin(3, 1, 12));
        auto summaries = std::make_shared<QStringList>();
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, "[Config]\nWorkAssign=5 TFS\n[Duty Hours]\n5 TFS=07:00-07:00\n"
                                   "[Reminder]\nRemind=15\n");
        fixture.adjustPlatform = [clock, summaries](Platform& platform) {
            platform.now = [clock] { return *clock; };
            platform.notify = [summaries](const QString& text) { summaries->append(text); };
            platform.dayCheckInterval = kCheck;
        };
        StartWindow(fixture, QDate(2027, 3, 1));
        {
            OnNextModal<DayDialog> answer(
                [](DayDialog* dialog) { ChooseLeaveWithNote(dialog, QStringLiteral("Dentist")); });
            DoubleClickDay(*fixture, QDate(2027, 3, 2));
            QVERIFY(answer.happened());
        }
        *clock = Berlin(3, 2, 6, 45);
        LetTheChecksRun();
        QCOMPARE(*summaries, QStringList());
        *clock = Berlin(3, 3, 6, 45);
        QTRY_COMPARE(summaries->size(), 1);
        QVERIFY2(summaries->first().endsWith(QStringLiteral(" today, 5 TFS")),
                 qPrintable(summaries->first()));
    }

private:
    QProcess m_daemon;
    FakeNotifications m_service;
    bool m_onTheBus = false;
};

QTEST_MAIN(TestDutyReminders)
#include "test_duty_reminders.moc"
