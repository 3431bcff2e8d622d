// What the Settings tab says under Export and Print: the file the last export or PDF wrote, until
// the user does something else; a dialog cancelled did nothing, and leaves it.

#include "file_helpers.h"
#include "window_fixture.h"

#include "ui/printing/print_dialog.h"
#include "ui/settings/export_dialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

// Presses Export, names `path` in the dialog's file field and presses OK, or Cancel.
void ExportTo(MainWindow& window, const QString& path, QDialogButtonBox::StandardButton answer) {
    const OnNextModal<ExportDialog> fillIn([&path, answer](ExportDialog* dialog) {
        auto* field = Find<QLineEdit>(dialog, "fileNameEdit");
        field->selectAll();
        QTest::keyClicks(field, path);
        Click(Find<QDialogButtonBox>(dialog, "buttonBox")->button(answer));
    });
    Click(ControlsOf(window).exportButton);
    QVERIFY(fillIn.happened());
}

// Presses Print and "Save as PDF…", or Cancel; the save dialog answers with the path the
// platform gives.
void Print(MainWindow& window, bool savePdf) {
    const OnNextModal<PrintDialog> choose([savePdf](PrintDialog* dialog) {
        Click(savePdf
                  ? Find<QPushButton>(dialog, "pdfButton")
                  : Find<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel));
    });
    Click(ControlsOf(window).printButton);
    QVERIFY(choose.happened());
}

} // namespace

class TestFileMessage : public QObject {
    Q_OBJECT
private slots:
    void theMessageLastsUntilTheNextAction_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("kept");
        QTest::newRow("an export cancelled") << "cancel export" << true;
        QTest::newRow("a print cancelled") << "cancel print" << true;
        QTest::newRow("an export that fails") << "failed export" << false;
        QTest::newRow("a PDF that fails") << "failed pdf" << false;
        QTest::newRow("another crew chosen") << "crew" << false;
        QTest::newRow("the week start switched") << "week start" << false;
        QTest::newRow("Save") << "save" << false;
    }
    void theMessageLastsUntilTheNextAction() {
        QFETCH(QString, action);
        QFETCH(bool, kept);
        QTemporaryDir folder;
        const QString written = folder.filePath("duty.ics");
        const QString unwritable = folder.filePath("missing/duty.ics");
        WindowUnderTest window;
        window.adjustPlatform = [unwritable](Platform& platform) {
            platform.chooseSaveFile = [unwritable](QWidget*, const QString&, const QString&,
                                                   const QString&) { return unwritable; };
        };
        WriteSettingsFile(window, "[Config]\nWorkAssign=5 TFS\n");
        StartWindow(window);
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        // Save can be pressed once there is something to save.
        if (action == "save")
            Click(w.weekStart);
        ExportTo(*window, written, QDialogButtonBox::Ok);
        auto* message = Find<QLabel>(w.settingsPage, "exportMessage");
        const QString said = message->text();
        QVERIFY2(said.endsWith(" written to " + written), qPrintable(said));

        if (action == "cancel export") {
            ExportTo(*window, written, QDialogButtonBox::Cancel);
        } else if (action == "cancel print") {
            Print(*window, false);
        } else if (action == "failed export") {
            ExportTo(*window, unwritable, QDialogButtonBox::Ok);
        } else if (action == "failed pdf") {
            Print(*window, true);
        } else if (action == "crew") {
            OpenList(w.assignment);
            ClickListEntry(w.assignment, w.assignment->findText("3 TWT"));
        } else if (action == "week start") {
            Click(w.weekStart);
        } else {
            Click(w.save);
            OpenTab(*window, w.settingsPage);
        }
        QCOMPARE(window.errors->size(), action.startsWith("failed") ? 1 : 0);
        QCOMPARE(message->text(), kept ? said : QString());
        QCOMPARE(w.exportButton->accessibleDescription(), kept ? said : QString());
        QCOMPARE(w.printButton->accessibleDescription(), QString());
    }
};

QTEST_MAIN(TestFileMessage)
#include "test_file_message.moc"
