// Save and Export as the user runs them, when the write fails: nothing of the old file is lost,
// nothing is left behind, and the failure is told, in words shown as they are.

#include "file_helpers.h"
#include "window_fixture.h"

#include "ui/settings/export_dialog.h"
#include "ui/settings/toggle_switch.h"
#include "ui/window/system_dialogs.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kOldSettings = "; the user's own notes\r\n[Config]\r\nWorkAssign=3 TWT\r\n"
                                "WeekStartsOnMonday=0\r\n[Other]\r\nKey=value\r\n";

// A window whose file writes fail at `*failing`, while that is set.
WindowUnderTest WindowFailingAt(std::shared_ptr<std::optional<WriteStep>> failing,
                                const QByteArray& settings) {
    WindowUnderTest fixture;
    fixture.adjustPlatform = [failing](Platform& platform) {
        platform.writeFault = [failing](WriteStep step) { return *failing == step; };
    };
    WriteSettingsFile(fixture, settings);
    StartWindow(fixture);
    return fixture;
}

void OpenSettingsTab(const WindowUnderTest& window) {
    ControlsOf(*window).tabs->setCurrentWidget(ControlsOf(*window).settingsPage);
}

// Presses Export, names `path` in the dialog's file field, presses OK and lets an existing file
// be replaced, as a user does.
void ExportTo(const WindowUnderTest& window, const QString& path) {
    const OnNextModal<ExportDialog> fillIn([&path](ExportDialog* dialog) {
        dialog->findChild<QLineEdit*>("fileNameEdit")->selectAll();
        QTest::keyClicks(dialog->findChild<QLineEdit*>("fileNameEdit"), path);
        const AnswerNextMessageBox replace(QStringLiteral("Replace"));
        QTest::mouseClick(
            dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok),
            Qt::LeftButton);
    });
    QTest::mouseClick(ControlsOf(*window).exportButton, Qt::LeftButton);
    QVERIFY(fillIn.happened());
}

// Each step, and what the system would say of its failure there.
void AddWriteSteps() {
    QTest::addColumn<WriteStep>("step");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the temporary file cannot be made") << WriteStep::Open << "Permission denied";
    QTest::newRow("the disk fills halfway through")
        << WriteStep::Write << "No space left on device";
    QTest::newRow("the last of the buffer does not reach the disk")
        << WriteStep::Flush << "Input/output error";
    QTest::newRow("the temporary file cannot take the file's place")
        << WriteStep::Commit << "Operation not permitted";
}

} // namespace

class TestSafeWrites : public QObject {
    Q_OBJECT
private slots:
    void saveThatFailsLosesNothing_data() { AddWriteSteps(); }
    void saveThatFailsLosesNothing() {
        QFETCH(WriteStep, step);
        QFETCH(QString, reason);
        const auto failing = std::make_shared<std::optional<WriteStep>>(step);
        auto window = WindowFailingAt(failing, kOldSettings);
        const Controls w = ControlsOf(*window);
        const QString path = window->settingsFilePath();
        const QStringList before = Entries(window.settingsFolder());
        OpenSettingsTab(window);
        QTest::mouseClick(w.weekStart, Qt::LeftButton);
        QVERIFY(w.weekStart->isChecked());
        const ColorSettings colours = window->settings().colors;

        QTest::mouseClick(w.save, Qt::LeftButton);
        QCOMPARE(*window.errors, QStringList{"Unable to write to " + path + ": " + reason + "."});
        QCOMPARE(ReadBack(path), kOldSettings);
        QCOMPARE(Entries(window.settingsFolder()), before);
        QCOMPARE(w.tabs->currentWidget(), w.settingsPage);
        QVERIFY(w.weekStart->isChecked());
        QCOMPARE(window->settings().assignment, QStringLiteral("3 TWT"));
        QCOMPARE(window->settings().colors.work, colours.work);
        QCOMPARE(window->settings().colors.off, colours.off);
        QCOMPARE(window->settings().colors.leadTrail, colours.leadTrail);
        QCOMPARE(window->settings().colors.background, colours.background);
        QCOMPARE(window->settings().colors.grid, colours.grid);

        // Once the disk takes it again, the same Save goes through.
        failing->reset();
        QTest::mouseClick(w.save, Qt::LeftButton);
        QCOMPARE(window.errors->size(), 1);
        QVERIFY(ReadBack(path).contains("WeekStartsOnMonday=1\r\n"));
        QCOMPARE(w.tabs->currentWidget(), w.calendarPage);
    }

    void exportThatFailsLosesNothing_data() { AddWriteSteps(); }
    void exportThatFailsLosesNothing() {
        QFETCH(WriteStep, step);
        QFETCH(QString, reason);
        const auto failing = std::make_shared<std::optional<WriteStep>>(step);
        auto window = WindowFailingAt(failing, kOldSettings);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("duty.ics");
        const QByteArray old = "BEGIN:VCALENDAR\r\nan older export\r\nEND:VCALENDAR\r\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        OpenSettingsTab(window);

        ExportTo(window, path);
        QCOMPARE(*window.errors, QStringList{"Unable to write to " + path + ": " + reason + "."});
        QCOMPARE(ReadBack(path), old);
        QCOMPARE(Entries(folder.path()), QStringList{"duty.ics"});

        failing->reset();
        ExportTo(window, path);
        QCOMPARE(window.errors->size(), 1);
        QVERIFY(ReadBack(path).contains("SUMMARY:On duty (3 TWT)\r\n"));
    }

    // The folder start-up made may be gone by the time the user saves.
    void saveMakesTheSettingsFolderAgain() {
        auto window = ShownWindow();
        QVERIFY(QDir(window.configFolder->filePath("Halvorne")).removeRecursively());
        QTest::mouseClick(ControlsOf(*window).save, Qt::LeftButton);
        QCOMPARE(*window.errors, QStringList{});
        QVERIFY(ReadBack(window->settingsFilePath()).startsWith("[Config]\n"));
        QCOMPARE(ControlsOf(*window).tabs->currentWidget(), ControlsOf(*window).calendarPage);
    }

    // Paths hold whatever the user named; markup in them is shown as written, never rendered,
    // and links in them cannot be followed.
    void markupInMessagesShowsAsText_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("the error box of Save") << "save";
        QTest::newRow("the error box of Export") << "export";
        QTest::newRow("the question before Export replaces a file") << "replace";
    }
    void markupInMessagesShowsAsText() {
        QFETCH(QString, action);
        // No '/', so that it is one folder's name.
        const QString markup =
            QStringLiteral("<b>bold <font color=red>red <a href=mailto:x@example.org>a link");
        const auto failing = std::make_shared<std::optional<WriteStep>>();
        WindowUnderTest window;
        window.adjustPlatform = [&markup, failing](Platform& platform) {
            platform.configFolder = QDir(platform.configFolder).filePath(markup);
            platform.showError = ShowErrorBox;
            platform.writeFault = [failing](WriteStep step) { return *failing == step; };
        };
        StartWindow(window);
        QVERIFY(window->settingsFilePath().contains(markup));
        const QString exported = window.configFolder->filePath(markup + ".ics");
        if (action == "replace")
            QVERIFY(QFile(exported).open(QIODevice::WriteOnly));
        else
            *failing = WriteStep::Commit;
        OpenSettingsTab(window);

        const AnswerNextMessageBox box = action == "replace"
                                             ? AnswerNextMessageBox(QStringLiteral("Cancel"))
                                             : AnswerNextMessageBox(QMessageBox::Ok);
        QString expected;
        if (action == "save") {
            SetWeekStartSwitch(*window, true);
            QTest::mouseClick(ControlsOf(*window).save, Qt::LeftButton);
            expected =
                "Unable to write to " + window->settingsFilePath() + ": Operation not permitted.";
        } else {
            const OnNextModal<ExportDialog> fillIn([&exported](ExportDialog* dialog) {
                dialog->findChild<QLineEdit*>("fileNameEdit")->selectAll();
                QTest::keyClicks(dialog->findChild<QLineEdit*>("fileNameEdit"), exported);
                QTest::mouseClick(
                    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok),
                    Qt::LeftButton);
                // Kept from replacing the file, the user gives up.
                if (dialog->isVisible())
                    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>("buttonBox")
                                          ->button(QDialogButtonBox::Cancel),
                                      Qt::LeftButton);
            });
            QTest::mouseClick(ControlsOf(*window).exportButton, Qt::LeftButton);
            expected = action == "export"
                           ? "Unable to write to " + exported + ": Operation not permitted."
                           : exported + " already exists.\nDo you want to replace it?";
        }
        QVERIFY(box.happened());
        QCOMPARE(box.shown().text, expected);
        QVERIFY(box.shown().plainText);
    }
};

QTEST_MAIN(TestSafeWrites)
#include "test_safe_writes.moc"
