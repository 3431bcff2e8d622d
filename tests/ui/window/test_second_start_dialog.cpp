// A second start while the window has a dialog or a drop-down list open: the window and the
// dialog come to the front, the calendar stays on the dialog's day while it is open, the
// dialog's OK stores that day, and the day the start asked for is shown once it has closed.

#include "days_helpers.h"

#include "platform/single_instance.h"
#include "ui/printing/print_dialog.h"
#include "ui/settings/export_dialog.h"
#include "ui/window/startup.h"

#include <QTemporaryDir>

#include <future>
#include <optional>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QDate kToday(2023, 9, 15);
// A work day of 3 TWT, three days after today.
const QDate kWorkDay(2023, 9, 18);
const QDate kAskedFor(2024, 2, 29);

// The window's end of the channel in a folder of the test's own, followed by the window.
class Channel {
public:
    explicit Channel(MainWindow& window) {
        std::optional<InstanceLock> lock = InstanceLock::Take(m_folder.filePath("w.lock"));
        if (!lock)
            qFatal("the channel's lock is taken");
        m_instance.emplace(InstanceChannel{socketPath(), m_folder.filePath("w.lock")},
                           std::move(*lock));
        if (!m_instance->listen())
            qFatal("the window cannot listen");
        FollowSecondStarts(*m_instance, window);
    }

    // A second start asking for `day`, answered by the window from whatever event loop runs.
    bool handOver(QDate day) const {
        std::future<bool> handedOver = std::async(std::launch::async, [path = socketPath(), day] {
            return SingleInstance::HandOver(path, day.toString(Qt::ISODate).toLatin1());
        });
        const bool answered = QTest::qWaitFor([&handedOver] {
            return handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        });
        return answered && handedOver.get();
    }

private:
    QString socketPath() const { return m_folder.filePath("w.socket"); }

    QTemporaryDir m_folder;
    std::optional<SingleInstance> m_instance;
};

} // namespace

class TestSecondStartDialog : public QObject {
    Q_OBJECT
private slots:
    void theDayDialogKeepsItsDay() {
        WindowUnderTest window = ShownWindow(kToday, kThreeTwt);
        const Channel channel(*window);
        for (int day = 0; day < 3; ++day)
            QTest::keyClick(KeyTarget(*window), Qt::Key_Right);
        QCOMPARE(window->view().shownDate, kWorkDay);
        // Seen while the dialog is open, and checked once it has closed, so that a failure
        // leaves no dialog waiting for an answer.
        struct Seen {
            bool handedOver = false;
            QDate shown;
            QWidget* tab = nullptr;
            bool dialogOnTop = false;
            QString titleBefore;
            QString titleAfter;
        } seen;
        const OnNextModal<DayDialog> answer([&](DayDialog* dialog) {
            seen.titleBefore = dialog->windowTitle();
            seen.handedOver = channel.handOver(kAskedFor);
            seen.shown = window->view().shownDate;
            seen.tab = ControlsOf(*window).tabs->currentWidget();
            seen.dialogOnTop = QTest::qWaitFor([dialog] {
                return dialog->isVisible() && QApplication::activeModalWidget() == dialog &&
                       QApplication::activeWindow() == dialog;
            });
            seen.titleAfter = dialog->windowTitle();
            ChooseLeaveWithNote(dialog, QStringLiteral("Dentist"));
        });
        QTest::keyClick(KeyTarget(*window), Qt::Key_Return);
        QVERIFY(answer.happened());
        QVERIFY(seen.handedOver);
        // The window did not move behind the dialog, which stayed on top with the input.
        QCOMPARE(seen.shown, kWorkDay);
        QCOMPARE(seen.tab, ControlsOf(*window).calendarPage);
        QVERIFY(seen.dialogOnTop);
        QCOMPARE(seen.titleAfter, seen.titleBefore);
        QCOMPARE(DaysFileOf(window), QByteArray("[Days 3 TWT]\n2023-09-18=leave;Dentist\n"));
        // Once the dialog has closed, the day asked for is shown.
        QTRY_COMPARE(window->view().shownDate, kAskedFor);
        QCOMPARE(window->monthPage().monthLabel, QStringLiteral("Feb 2024"));
    }

    // Any dialog or list of the window waits the same way; without one, the day shows at once.
    void otherDialogsWaitToo_data() {
        QTest::addColumn<QString>("open");
        QTest::newRow("no dialog") << "";
        QTest::newRow("the export dialog") << "export";
        QTest::newRow("the print dialog") << "print";
        QTest::newRow("the colour list") << "colour";
    }
    void otherDialogsWaitToo() {
        QFETCH(QString, open);
        WindowUnderTest window = ShownWindow(kToday, kThreeTwt);
        const Channel channel(*window);
        const Controls c = ControlsOf(*window);
        if (!open.isEmpty())
            OpenTab(*window, c.settingsPage);
        // While open, the window stays on the tab and the month it shows; checked once closed.
        bool stayed = open.isEmpty();
        const auto handOverWhileOpen = [&] {
            stayed = channel.handOver(kAskedFor) && window->view().shownDate == kToday &&
                     c.tabs->currentWidget() == c.settingsPage;
        };
        const auto cancel = [](QDialog* dialog) {
            Click(Find<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel));
        };
        if (open.isEmpty()) {
            QVERIFY(channel.handOver(kAskedFor));
        } else if (open == "export") {
            const OnNextModal<ExportDialog> dialog([&](ExportDialog* shown) {
                handOverWhileOpen();
                cancel(shown);
            });
            Click(c.exportButton);
            QVERIFY(dialog.happened());
        } else if (open == "print") {
            const OnNextModal<PrintDialog> dialog([&](PrintDialog* shown) {
                handOverWhileOpen();
                cancel(shown);
            });
            Click(c.printButton);
            QVERIFY(dialog.happened());
        } else {
            Click(c.workColor);
            WaitForList(c.colorPicker);
            handOverWhileOpen();
            QVERIFY(c.colorPicker->view()->isVisible());
            QTest::keyClick(c.colorPicker->view(), Qt::Key_Escape);
        }
        QVERIFY(stayed);
        QTRY_COMPARE(window->view().shownDate, kAskedFor);
        QCOMPARE(c.tabs->currentWidget(), c.calendarPage);
    }
};

QTEST_MAIN(TestSecondStartDialog)
#include "test_second_start_dialog.moc"
