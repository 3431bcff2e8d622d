// Publishing set up on the Settings tab and kept current by the window: the Publish dialog driven
// by hand saves its target in the settings file and never the password, a folder fills with one
// file per event and follows a day changed in the day's dialog, a calendar without a secret store
// says why, and the tab and the status line say where publishing stands.

#include "days_helpers.h"
#include "radicale_server.h"

#include "publishing/secret_store.h"
#include "ui/publishing/publish_dialog.h"

#include <QDirIterator>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTcpServer>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

// 10 March 2027: 5 TFS works runs from the 2nd, 9th, 15th, 21st and 28th, worked out by hand
// from the rotation; one event each, named by its UID.
const QDate kToday(2027, 3, 10);
const QByteArray kFiveTfs = "[Config]\nWorkAssign=5 TFS\n";
const QStringList kMarchFiles{
    "20270302-5-tfs@dutyloop.halvorne.example.ics", "20270309-5-tfs@dutyloop.halvorne.example.ics",
    "20270315-5-tfs@dutyloop.halvorne.example.ics", "20270321-5-tfs@dutyloop.halvorne.example.ics",
    "20270328-5-tfs@dutyloop.halvorne.example.ics"};

QStringList FilesIn(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    names.sort();
    return names;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files under the folder, hidden ones too, that hold `bytes`.
QStringList FilesHolding(const QString& folder, const QByteArray& bytes) {
    QStringList holding;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (ReadAll(path).contains(bytes))
            holding.append(path);
    }
    return holding;
}

// A port on this machine that nothing listens on.
quint16 ClosedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

// Opens the Publish dialog with a click on its button and acts in it.
void InPublishDialog(MainWindow& window, const std::function<void(PublishDialog*)>& act) {
    OpenTab(window, ControlsOf(window).settingsPage);
    OnNextModal<PublishDialog> answer([&](PublishDialog* dialog) {
        // A check that fails in the dialog closes it, so that the test goes on to report it.
        const QScopeGuard close([dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        // The keys go where the system's focus is, which can follow a moment after.
        QTRY_COMPARE(QGuiApplication::focusWindow(), dialog->windowHandle());
        act(dialog);
    });
    Click(Find<QPushButton>(&window, "publishButton"));
    QVERIFY(answer.happened());
}

void PressOk(PublishDialog* dialog) {
    Click(Find<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok));
}

// Where publishing stands, as the Settings tab shows it.
QString StateLine(MainWindow& window) {
    auto* row = Find<QWidget>(&window, "publishStateRow");
    return row->isVisibleTo(row->parentWidget()) ? Find<QLabel>(row, "publishState")->text()
                                                 : QString();
}

// The same words everywhere they are shown or spoken. The Publish button, where the focus came
// back to it as publishing began, keeps the words it was read with until the focus leaves it:
// the outcome is said in words of its own.
void StateIsShownEverywhere(MainWindow& window, const QString& text) {
    QCOMPARE(StateLine(window), text);
    auto* publish = Find<QPushButton>(&window, "publishButton");
    if (window.focusWidget() == publish) {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(publish, Qt::Key_Tab);
    }
    QCOMPARE(publish->accessibleDescription(), text);
    QCOMPARE(ControlsOf(window).status->toolTip(), text);
    QCOMPARE(ControlsOf(window).status->accessibleDescription(), text);
}

// With the calendar chosen (Alt+D), its URL, "kim" and the password typed into the fields the
// Tab key reaches one after the other, then one month, and Return.
// The secret store is asked once the calendar is chosen; its answer, none here, comes first.
void EnterCalendarForAMonth(PublishDialog* dialog, const QString& url, const QString& password) {
    QTRY_VERIFY(Find<QLabel>(dialog, "storeNote")->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), url);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "kim");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), password);
    QCOMPARE(Find<QLineEdit>(dialog, "passwordEdit")->text(), password);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "1");
    QCOMPARE(Find<QSpinBox>(dialog, "monthsBox")->value(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Changes the day through its dialog, opened with Return on the day clicked.
void ChangeDay(MainWindow& window, QDate day, const char* kindButton) {
    // Back from a dialog, the window is the active one again before a key goes to it.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    OpenTab(window, ControlsOf(window).calendarPage);
    ClickCell(window, CellOf(window, day));
    QTRY_VERIFY(CellHasFocus(window, CellOf(window, day)));
    OnNextModal<DayDialog> answer([kindButton](DayDialog* dialog) {
        ClickRadio(Find<QRadioButton>(dialog, kindButton));
        Click(DialogButton(dialog, QDialogButtonBox::Ok));
    });
    QTest::keyClick(KeyTarget(window), Qt::Key_Return);
    QVERIFY(answer.happened());
}

// The events the other client finds on the server: "start<TAB>summary", sorted.
QStringList ServerEvents(const RadicaleServer& server) {
    bool ok = false;
    const QString listed = server.client({"list"}, &ok);
    if (!ok)
        return {QStringLiteral("the client failed: ") + listed};
    QStringList events;
    for (const QString& line : listed.split(u'\n', Qt::SkipEmptyParts))
        events << line.section(u'\t', 0, 1);
    return events;
}

} // namespace

class TestPublishSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The test's session has no secret store, and the machine's own is never touched.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/dutyloop-test-bus");
    }

    void aFolderIsSavedAndFilled() {
        QTemporaryDir vdir;
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kFiveTfs);
        fixture.adjustPlatform = [&vdir](Platform& platform) {
            platform.chooseFolder = [&vdir](QWidget*, const QString&, const QString&) {
                return vdir.path();
            };
        };
        StartWindow(fixture, kToday);
        // Nothing published: nothing said.
        StateIsShownEverywhere(*fixture, QString());

        InPublishDialog(*fixture, [](PublishDialog* dialog) {
            QTest::keyClick(dialog, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(Find<QRadioButton>(dialog, "folderButton")->isChecked());
            Click(Find<QPushButton>(dialog, "browseButton"));
            QTest::keyClick(dialog, Qt::Key_M, Qt::AltModifier);
            auto* months = Find<QSpinBox>(dialog, "monthsBox");
            QVERIFY(months->hasFocus());
            QTest::keyClick(months, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(months, "1");
            PressOk(dialog);
        });

        const QByteArray saved = ReadAll(fixture->settingsFilePath());
        QVERIFY2(saved.contains("\n[Publish]\nTarget=folder\nFolder=" + vdir.path().toUtf8() +
                                "\nMonths=1\n"),
                 saved.constData());
        QVERIFY(saved.startsWith(kFiveTfs));
        QTRY_COMPARE(FilesIn(vdir.path()), kMarchFiles);
        QTRY_COMPARE(StateLine(*fixture), QStringLiteral("Published just now"));
        StateIsShownEverywhere(*fixture, QStringLiteral("Published just now"));
        QVERIFY(!Find<QPushButton>(fixture.get(), "publishActionButton")->isVisible());
    }

    // Leave on the first day of the run from the 9th: its event starts on the 10th, in the same
    // file, within a moment of OK in the day's dialog, opened with the keys.
    void aChangedDayReachesTheFolder() {
        QTemporaryDir vdir;
        const WindowUnderTest fixture = ShownWindow(
            kToday,
            kFiveTfs + "[Publish]\nTarget=folder\nFolder=" + vdir.path().toUtf8() + "\nMonths=1\n");
        const QString runFile = vdir.filePath(kMarchFiles[1]);
        QTRY_COMPARE(FilesIn(vdir.path()), kMarchFiles);
        QVERIFY(ReadAll(runFile).contains("DTSTART;VALUE=DATE:20270309\r\n"));

        ClickCell(*fixture, CellOf(*fixture, QDate(2027, 3, 9)));
        OnNextModal<DayDialog> answer([](DayDialog* dialog) {
            ClickRadio(Find<QRadioButton>(dialog, "leaveButton"));
            Click(DialogButton(dialog, QDialogButtonBox::Ok));
        });
        QTest::keyClick(KeyTarget(*fixture), Qt::Key_Return);
        QVERIFY(answer.happened());
        QCOMPARE(DaysFileOf(fixture), QByteArray("[Days 5 TFS]\n2027-03-09=leave\n"));

        QTRY_VERIFY(ReadAll(runFile).contains("DTSTART;VALUE=DATE:20270310\r\n"));
        QCOMPARE(FilesIn(vdir.path()), kMarchFiles);
    }

    // The session has no secret store: the dialog says so in QtKeychain's own words, the
    // password is kept for this run, and nothing of it reaches the settings folder.
    void aCalendarWithoutASecretStore() {
        const QString url = QStringLiteral("http://127.0.0.1:%1/kim/duty/").arg(ClosedPort());
        const QString password = QStringLiteral("correct horse 7491");
        PublishTarget asked;
        asked.kind = PublishTarget::Kind::CalDav;
        asked.url = url;
        const SecretAnswer store = ReadPasswordNow(asked);
        QCOMPARE(store.outcome, SecretAnswer::Outcome::NoStore);
        QVERIFY(!store.problem.isEmpty());

        WindowUnderTest fixture = ShownWindow(kToday, kFiveTfs);
        InPublishDialog(*fixture, [&](PublishDialog* dialog) {
            auto* note = Find<QLabel>(dialog, "storeNote");
            QVERIFY(!note->isVisible());
            QTest::keyClick(dialog, Qt::Key_D, Qt::AltModifier);
            QTRY_VERIFY(note->isVisible());
            QVERIFY2(note->text().contains(store.problem), qPrintable(note->text()));
            QVERIFY(note->text().contains(QStringLiteral("kept until Dutyloop closes")));
            QCOMPARE(Find<QLineEdit>(dialog, "passwordEdit")->accessibleDescription(),
                     note->text());
            EnterCalendarForAMonth(dialog, url, password);
        });

        const QByteArray saved = ReadAll(fixture->settingsFilePath());
        QVERIFY2(saved.contains("Target=caldav\n"), saved.constData());
        QVERIFY(saved.contains("URL=" + url.toUtf8() + "\n"));
        QVERIFY(saved.contains("User=kim\n"));
        // Nothing answers on the port: five events wait.
        const QString waiting = QStringLiteral("5 changes waiting: server unreachable");
        QTRY_COMPARE(StateLine(*fixture), waiting);
        StateIsShownEverywhere(*fixture, waiting);
        auto* tryAgain = Find<QPushButton>(fixture.get(), "publishActionButton");
        QVERIFY(tryAgain->isVisible());
        QCOMPARE(tryAgain->text(), QStringLiteral("Try Again"));
        QCOMPARE(FilesHolding(fixture.settingsFolder(), password.toUtf8()), QStringList());

        // Kept for this run: the dialog opens with it, and says again why.
        InPublishDialog(*fixture, [&](PublishDialog* dialog) {
            QCOMPARE(Find<QLineEdit>(dialog, "passwordEdit")->text(), password);
            QTRY_VERIFY(Find<QLabel>(dialog, "storeNote")->isVisible());
            Click(Find<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel));
        });
        QCOMPARE(FilesHolding(fixture.settingsFolder(), password.toUtf8()), QStringList());
    }

    // The real thing: Debian's Radicale, set up in the dialog by hand, with another client's
    // event beside ours. Leave on the run from the 9th moves its event to the 10th, extra duty on
    // Saturday the 13th (a day off) adds one; the other client reads exactly that, each once,
    // and its own event untouched.
    void daysChangedReachTheServer() {
        if (const QString why = WhyNoRadicale(); !why.isEmpty())
            QSKIP(qPrintable(why));
        RadicaleServer server;
        if (const QString why = server.start(); !why.isEmpty())
            QSKIP(qPrintable(why));
        bool ok = false;
        const QString made = server.client({"make"}, &ok);
        QVERIFY2(ok, qPrintable(made));
        server.client({"add", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//phone//\r\n"
                              "BEGIN:VEVENT\r\nUID:dentist@phone\r\nDTSTAMP:20270101T000000Z\r\n"
                              "DTSTART;VALUE=DATE:20270312\r\nSUMMARY:Dentist\r\nEND:VEVENT\r\n"
                              "END:VCALENDAR\r\n"},
                      &ok);
        QVERIFY(ok);

        WindowUnderTest fixture = ShownWindow(kToday, kFiveTfs);
        InPublishDialog(*fixture, [&](PublishDialog* dialog) {
            QTest::keyClick(dialog, Qt::Key_D, Qt::AltModifier);
            EnterCalendarForAMonth(dialog, server.calendarUrl(), QStringLiteral("secret"));
        });
        const QString onDuty = QStringLiteral("\tOn duty (5 TFS)");
        QStringList expected{"2027-03-02" + onDuty, "2027-03-09" + onDuty, "2027-03-12\tDentist",
                             "2027-03-15" + onDuty, "2027-03-21" + onDuty, "2027-03-28" + onDuty};
        QTRY_COMPARE_WITH_TIMEOUT(ServerEvents(server), expected, 30000);
        QTRY_COMPARE(StateLine(*fixture), QStringLiteral("Published just now"));

        ChangeDay(*fixture, QDate(2027, 3, 9), "leaveButton");
        ChangeDay(*fixture, QDate(2027, 3, 13), "extraDutyButton");
        expected[1] = "2027-03-10" + onDuty;
        expected.insert(3, QStringLiteral("2027-03-13\tExtra duty (5 TFS)"));
        QTRY_COMPARE_WITH_TIMEOUT(ServerEvents(server), expected, 30000);
    }

    // Turned off, the tab and the status line say nothing of publishing, and the settings file
    // keeps the target's place for the dialog to offer again.
    void turnedOffSaysNothing() {
        QTemporaryDir vdir;
        const WindowUnderTest fixture = ShownWindow(
            kToday,
            kFiveTfs + "[Publish]\nTarget=folder\nFolder=" + vdir.path().toUtf8() + "\nMonths=1\n");
        QTRY_COMPARE(StateLine(*fixture), QStringLiteral("Published just now"));
        InPublishDialog(*fixture, [](PublishDialog* dialog) {
            QTest::keyClick(dialog, Qt::Key_N, Qt::AltModifier);
            QTRY_VERIFY(Find<QRadioButton>(dialog, "notPublishedButton")->isChecked());
            PressOk(dialog);
        });
        StateIsShownEverywhere(*fixture, QString());
        const QByteArray saved = ReadAll(fixture->settingsFilePath());
        QVERIFY(!saved.contains("Target="));
        QVERIFY(saved.contains("Folder=" + vdir.path().toUtf8() + "\n"));
    }
};

QTEST_MAIN(TestPublishSettings)
#include "test_publish_settings.moc"
