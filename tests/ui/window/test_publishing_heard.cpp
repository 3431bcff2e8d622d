// What a screen reader hears of publishing the user starts: the outcome of a target set in the
// Publish dialog, said once and not also as the Publish button's description where the focus
// comes back to it; and, where the password question at start is left unanswered, that the
// duty waits for want of a password, which no server was asked about.

#include "accessibility_listener.h"

#include "ui/publishing/publish_dialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

// 5 TFS works five times in March 2027, the one month published.
const QDate kToday(2027, 3, 10);
const QByteArray kCrew5 = "[Config]\nWorkAssign=5 TFS\n";

// In the dialog, as a keyboard user: the folder chosen, its path typed in the field the Tab key
// goes on to, then past Browse to the months, one month, and Enter.
void SetFolderTarget(PublishDialog* dialog, const QString& folder) {
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    // A mnemonic reaches the window the application has made active, which can follow a moment
    // after the system's.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(dialog));
    QTest::keyClick(dialog, Qt::Key_F, Qt::AltModifier);
    // A mnemonic presses its button a moment later, as a click shown on the screen.
    QTRY_VERIFY(Find<QRadioButton>(dialog, "folderButton")->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(dialog, "folderEdit"));
    QTest::keyClicks(QApplication::focusWidget(), folder);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "1");
    QCOMPARE(Find<QSpinBox>(dialog, "monthsBox")->value(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

} // namespace

class TestPublishingHeard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // No secret store answers, and the machine's own is never touched.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/dutyloop-test-bus");
    }
    void init() { DUTYLOOP_HEAR_OR_SKIP(); }
    void cleanup() { StopHearing(); }

    void theOutcomeOfATargetSetIsSaidOnce_data() {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("published") << true << "Published just now";
        QTest::newRow("the folder refused")
            << false << "5 changes waiting: the folder cannot be written";
    }
    void theOutcomeOfATargetSetIsSaidOnce() {
        QFETCH(bool, writable);
        QFETCH(QString, outcome);
        QTemporaryDir root;
        QFile blocker(root.filePath("blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = root.filePath(writable ? "duty" : "blocked/duty");
        auto window = ShownWindow(kToday, kCrew5);
        OpenTab(*window, ControlsOf(*window).settingsPage);
        auto* publish = Find<QPushButton>(window.get(), "publishButton");
        QVERIFY(TabTo(publish));
        Heard().clear();
        OnNextModal<PublishDialog> setUp([&folder](PublishDialog* dialog) {
            SetFolderTarget(dialog, folder);
            // A failed check leaves the dialog open; it is closed all the same.
            if (dialog->isVisible())
                dialog->reject();
        });
        QTest::keyClick(publish, Qt::Key_Space);
        QVERIFY(setUp.happened());
        // As the window manager does when a dialog closes.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTRY_COMPARE(Announced(), QStringList{outcome});
        QTest::qWait(200);
        QCOMPARE(Announced(), QStringList{outcome});
        // The focus came back to the button as publishing began; its description stays what it
        // was read as then, and takes the outcome as the focus leaves.
        QVERIFY(publish->hasFocus());
        QCOMPARE(publish->accessibleDescription(), QStringLiteral("Publishing…"));
        QTest::keyClick(publish, Qt::Key_Tab);
        QCOMPARE(publish->accessibleDescription(), outcome);
    }

    // No secret store holds the password at start; left unanswered, the question is answered by
    // what waits, once the question has closed, and the server is not asked without one.
    void anUnansweredPasswordQuestionSaysNoneWasGiven() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        int connections = 0;
        connect(&server, &QTcpServer::newConnection, this, [&connections] { ++connections; });
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kCrew5 + "[Publish]\nTarget=caldav\nURL=http://127.0.0.1:" +
                                       QByteArray::number(server.serverPort()) +
                                       "/kim/duty/\nUser=kim\nMonths=1\n");
        QStringList saidWhileAsked{QStringLiteral("not yet asked")};
        OnNextModal<PublishDialog> asked([&saidWhileAsked](PublishDialog* dialog) {
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::qWait(100);
            saidWhileAsked = Announced();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        StartWindow(fixture, kToday);
        QTRY_VERIFY(asked.happened());
        fixture->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fixture.get()));
        const QString waiting = QStringLiteral("5 changes waiting: no password given");
        QTRY_COMPARE(Announced(), QStringList{waiting});
        QCOMPARE(saidWhileAsked, QStringList{});
        QCOMPARE(Find<QLabel>(fixture.get(), "publishState")->text(), waiting);
        QCOMPARE(Find<QPushButton>(fixture.get(), "publishActionButton")->text(),
                 QStringLiteral("Enter Password…"));
        QTest::qWait(100);
        QCOMPARE(connections, 0);
    }

    // What is typed into the password and erased from it reaches a screen reader as stars: one
    // for each character, never the character itself. Other fields keep their words.
    void aPasswordIsNeverHeard() {
        const PublishTarget target{
            PublishTarget::Kind::CalDav, "https://dav.example/kim/duty/", "kim", {}, 1, {}};
        PublishDialog dialog(target, QString(), FixedPlatform(kToday, QLocale::c(), {}), nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* password = Find<QLineEdit>(&dialog, "passwordEdit");
        auto* user = Find<QLineEdit>(&dialog, "userEdit");
        Heard().clear();
        QTest::keyClicks(password, QStringLiteral("qjx"));
        QTest::keyClick(password, Qt::Key_Backspace);
        QTest::keyClicks(user, QStringLiteral("z"));
        QStringList typed;
        for (const HeardEvent& event : std::as_const(Heard())) {
            if (event.type == QAccessible::TextInserted || event.type == QAccessible::TextRemoved)
                typed.append(event.text);
        }
        QCOMPARE(typed, (QStringList{"*", "*", "*", "*", "z"}));
        QCOMPARE(password->text(), QStringLiteral("qj"));
    }
};

QTEST_MAIN(TestPublishingHeard)
#include "test_publishing_heard.moc"
