#include "file_helpers.h"
#include "window_fixture.h"

#include "calendar/ical_export.h"
#include "platform/file_services.h"
#include "settings/day_changes_file.h"
#include "ui/settings/duty_export.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <memory>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

// The documents folder the platform names; the dialog never looks at the machine's own.
const QString& Documents() {
    static const QString folder = QStringLiteral("/home/crew/Documents");
    return folder;
}

// A platform whose save dialog answers `answer` and keeps what it was offered.
struct FakeChooser {
    QString answer;
    std::shared_ptr<QStringList> offered = std::make_shared<QStringList>();
    Platform platform() const {
        Platform platform = FixedPlatform(QDate(2024, 5, 6), QLocale::c(), QString());
        platform.documentsFolder = Documents();
        platform.chooseSaveFile = [answer = answer, offered = offered](QWidget*, const QString&,
                                                                       const QString& proposed,
                                                                       const QString&) {
            offered->append(proposed);
            return answer;
        };
        return platform;
    }
};

// A platform whose errors are kept for the test.
Platform KeepingErrors(QStringList& errors) {
    Platform platform = FixedPlatform(QDate(2024, 5, 6), QLocale::c(), QString());
    platform.showError = [&errors](QWidget*, const QString& message) { errors.append(message); };
    return platform;
}

QDateTime Stamp() {
    return QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9), QTimeZone::utc());
}

// Everything under the folder, hidden entries too, so a temporary file left behind shows.
QStringList Tree(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(it.next());
    entries.sort();
    return entries;
}

} // namespace

class TestExportDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void presets_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QString>("crew");
        QTest::addColumn<QDate>("firstMonth");
        QTest::addColumn<QString>("monthText");
        QTest::newRow("a crew") << "3 TWT" << D(2023, 9, 15) << "3 TWT" << D(2023, 9, 1)
                                << "September 2023";
        QTest::newRow("a crew in lower case")
            << "3 twt" << D(2023, 9, 15) << "3 TWT" << D(2023, 9, 1) << "September 2023";
        QTest::newRow("5TFS, which the calendar takes for crew 5")
            << "5TFS" << D(2023, 9, 15) << "5 TFS" << D(2023, 9, 1) << "September 2023";
        QTest::newRow("the agency-wide entry gives the first crew")
            << "Tornvale" << D(2026, 12, 31) << "1 SMT" << D(2026, 12, 1) << "December 2026";
        QTest::newRow("text that is no crew gives the first crew")
            << "9 XYZ" << D(2026, 1, 1) << "1 SMT" << D(2026, 1, 1) << "January 2026";
        QTest::newRow("a day before the date field's span: its first month")
            << "7 SSM" << D(2010, 6, 1) << "7 SSM" << D(2014, 3, 1) << "March 2014";
        QTest::newRow("a day after the date field's span: its last month")
            << "7 SSM" << D(2200, 6, 1) << "7 SSM" << D(2100, 12, 1) << "December 2100";
    }
    void presets() {
        QFETCH(QString, assignment);
        QFETCH(QDate, shown);
        QFETCH(QString, crew);
        QFETCH(QDate, firstMonth);
        QFETCH(QString, monthText);
        QWidget window;
        const ExportDialog dialog(assignment, shown, FakeChooser{}.platform(), &window);
        QStringList entries;
        for (int i = 0; i < dialog.findChild<QComboBox*>("assignmentBox")->count(); ++i)
            entries.append(dialog.findChild<QComboBox*>("assignmentBox")->itemText(i));
        QCOMPARE(entries,
                 (QStringList{"1 SMT", "2 MTW", "3 TWT", "4 WTF", "5 TFS", "6 FSS", "7 SSM"}));
        QCOMPARE(dialog.assignment(), crew);
        QCOMPARE(dialog.firstMonth(), firstMonth);
        QCOMPARE(dialog.findChild<QDateEdit*>("firstMonthEdit")->text(), monthText);
        QCOMPARE(dialog.months(), 12);
        QCOMPARE(dialog.filePath(), Documents() + QStringLiteral("/Dutyloop ") + crew + ".ics");
        QVERIFY(dialog.findChild<QDialogButtonBox*>("buttonBox")
                    ->button(QDialogButtonBox::Ok)
                    ->isEnabled());
    }

    // The name follows the assignment until the user types one or picks one.
    void fileNameFollowsTheAssignment_data() {
        QTest::addColumn<QString>("typed"); // empty: nothing typed
        QTest::addColumn<bool>("choose");   // Choose… clicked
        QTest::addColumn<QString>("chooserAnswer");
        QTest::addColumn<QString>("expected"); // a relative name within the documents folder
        QTest::newRow("untouched") << "" << false << ""
                                   << "Dutyloop 5 TFS.ics";
        QTest::newRow("typed, a bare name lands in the documents folder")
            << "mine.ics" << false << ""
            << "mine.ics";
        QTest::newRow("typed, a full path") << "/srv/duty/mine.ics" << false << ""
                                            << "/srv/duty/mine.ics";
        QTest::newRow("picked in the file dialog") << "" << true << "/srv/duty/picked.ics"
                                                   << "/srv/duty/picked.ics";
        QTest::newRow("file dialog cancelled") << "" << true << ""
                                               << "Dutyloop 5 TFS.ics";
    }
    void fileNameFollowsTheAssignment() {
        QFETCH(QString, typed);
        QFETCH(bool, choose);
        QFETCH(QString, chooserAnswer);
        QFETCH(QString, expected);
        QWidget window;
        const FakeChooser chooser{chooserAnswer};
        ExportDialog dialog("2 MTW", D(2014, 3, 31), chooser.platform(), &window);
        if (!typed.isEmpty()) {
            dialog.findChild<QLineEdit*>("fileNameEdit")->selectAll();
            QTest::keyClicks(dialog.findChild<QLineEdit*>("fileNameEdit"), typed);
        }
        if (choose) {
            QTest::mouseClick(dialog.findChild<QPushButton*>("chooseButton"), Qt::LeftButton);
            // The save dialog opens on the name proposed so far.
            QCOMPARE(*chooser.offered, QStringList{Documents() + "/Dutyloop 2 MTW.ics"});
        }
        dialog.show();
        OpenList(dialog.findChild<QComboBox*>("assignmentBox"));
        ClickListEntry(dialog.findChild<QComboBox*>("assignmentBox"),
                       dialog.findChild<QComboBox*>("assignmentBox")->findText("5 TFS"));
        QCOMPARE(dialog.filePath(),
                 QDir::isAbsolutePath(expected) ? expected : Documents() + u'/' + expected);
    }

    void okNeedsAFileName_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
    }
    void okNeedsAFileName() {
        QFETCH(QString, name);
        QWidget window;
        ExportDialog dialog("2 MTW", D(2014, 3, 31), FakeChooser{}.platform(), &window);
        QPushButton* ok =
            dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        dialog.findChild<QLineEdit*>("fileNameEdit")->selectAll();
        QTest::keyClick(dialog.findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Delete);
        QTest::keyClicks(dialog.findChild<QLineEdit*>("fileNameEdit"), name);
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(dialog.findChild<QLineEdit*>("fileNameEdit"), "x.ics");
        QVERIFY(ok->isEnabled());
    }

    // What the user set in the dialog is what lands in the file, replacing what was there.
    void writesTheChosenCalendar() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("duty.ics");
        WritePlainFile(path, "an older export");
        QWidget window;
        ExportDialog dialog("Tornvale", D(2014, 3, 15), FakeChooser{}.platform(), &window);
        dialog.findChild<QComboBox*>("assignmentBox")
            ->setCurrentIndex(dialog.findChild<QComboBox*>("assignmentBox")->findText("3 TWT"));
        dialog.findChild<QSpinBox*>("monthsBox")->setValue(2);
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText(path);
        QStringList errors;
        QVERIFY(ExportDutyCalendar(dialog.choice(), Stamp(), KeepingErrors(errors), &window));
        QCOMPARE(errors, QStringList{});
        QCOMPARE(ReadBack(path),
                 DutyCalendarIcs("3 TWT", D(2014, 3, 1), D(2014, 4, 30), Stamp()).ics);
    }

    // The chosen crew's own days count in the file; another crew's do not.
    void theChosenCrewsDayChangesCount() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("duty.ics");
        const QByteArray days = "[Days 2 MTW]\n2014-03-04=leave\n[Days 3 TWT]\n2014-03-04=extra\n";
        QStringList errors;
        QWidget window;
        QVERIFY(ExportDutyCalendar({"2 MTW", D(2014, 3, 1), 1, path}, Stamp(),
                                   KeepingErrors(errors), &window, AllDayChangesFromText(days)));
        const DayChanges leave{{D(2014, 3, 4), {DayChangeKind::Leave, {}}}};
        QCOMPARE(ReadBack(path),
                 DutyCalendarIcs("2 MTW", D(2014, 3, 1), D(2014, 3, 31), Stamp(), leave).ics);
        // Monday 2014-03-04 is a work day of 2 MTW, so the leave shows in the file.
        QVERIFY(ReadBack(path) !=
                DutyCalendarIcs("2 MTW", D(2014, 3, 1), D(2014, 3, 31), Stamp()).ics);
    }

    // The file an export replaces is read: what it had and is gone comes again, cancelled. 2 MTW
    // works from 10 to 12 March 2014; leave on the 11th cut the run in two.
    void theReplacedFileIsRead() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("duty.ics");
        QStringList errors;
        QWidget window;
        const ExportChoice choice{"2 MTW", D(2014, 3, 1), 1, path};
        QVERIFY(ExportDutyCalendar(choice, Stamp(), KeepingErrors(errors), &window,
                                   AllDayChangesFromText("[Days 2 MTW]\n2014-03-11=leave\n")));
        QVERIFY(ExportDutyCalendar(choice, Stamp().addDays(1), KeepingErrors(errors), &window));
        QCOMPARE(errors, QStringList{});
        const QByteArrayList events = ReadBack(path).split('\n');
        const qsizetype uid =
            events.indexOf("UID:part2-20140310-2-mtw@dutyloop.halvorne.example\r");
        QVERIFY(uid >= 0);
        QCOMPARE(events.mid(uid).indexOf("STATUS:CANCELLED\r"),
                 events.mid(uid).indexOf("END:VEVENT\r") - 1);
    }

    void aFailedWriteLeavesNoFile_data() {
        QTest::addColumn<QString>("target"); // within the test's folder
        QTest::addColumn<QString>("reason");
        QTest::newRow("a path inside a plain file") << "plain.txt/duty.ics"
                                                    << "Not a directory";
        QTest::newRow("a directory") << "folder"
                                     << "it is not a file";
        QTest::newRow("a folder that does not exist") << "missing/duty.ics"
                                                      << "No such file or directory";
    }
    void aFailedWriteLeavesNoFile() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        WritePlainFile(root.filePath("plain.txt"), "kept as it was");
        QVERIFY(QDir(root.path()).mkdir("folder"));
        const QStringList before = Tree(root.path());
        const QString path = root.filePath(target);

        QStringList errors;
        const ExportChoice choice{"2 MTW", D(2014, 3, 1), 12, path};
        QWidget window;
        QVERIFY(!ExportDutyCalendar(choice, Stamp(), KeepingErrors(errors), &window));
        QCOMPARE(errors, QStringList{"Unable to write to " + path + ": " + reason + "."});
        QCOMPARE(Tree(root.path()), before);
        QCOMPARE(ReadBack(root.filePath("plain.txt")), QByteArray("kept as it was"));
    }

    // A file named in the field is replaced only when the user says so, as the save dialog asks
    // about one picked in it.
    void asksBeforeReplacingAFile_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("picked"); // in the save dialog, which has asked already
        QTest::addColumn<bool>("replace");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("typed, a new file: nothing to ask")
            << false << false << false << false << true;
        QTest::newRow("typed, an existing file, replace") << true << false << true << true << true;
        QTest::newRow("typed, an existing file, cancel: the dialog stays")
            << true << false << false << true << false;
        QTest::newRow("picked in the save dialog: not asked twice")
            << true << true << false << false << true;
    }
    void asksBeforeReplacingAFile() {
        QFETCH(bool, exists);
        QFETCH(bool, picked);
        QFETCH(bool, replace);
        QFETCH(bool, asked);
        QFETCH(bool, accepted);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("duty.ics");
        if (exists)
            WritePlainFile(path, "an older export");
        QWidget window;
        ExportDialog dialog("2 MTW", D(2014, 3, 31),
                            FakeChooser{picked ? path : QString()}.platform(), &window);
        dialog.show();
        if (picked) {
            QTest::mouseClick(dialog.findChild<QPushButton*>("chooseButton"), Qt::LeftButton);
        } else {
            dialog.findChild<QLineEdit*>("fileNameEdit")->selectAll();
            QTest::keyClicks(dialog.findChild<QLineEdit*>("fileNameEdit"), path);
        }
        const AnswerNextMessageBox answer(replace ? QStringLiteral("Replace")
                                                  : QStringLiteral("Cancel"));
        QTest::mouseClick(
            dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok),
            Qt::LeftButton);
        QCOMPARE(answer.happened(), asked);
        if (asked) {
            QCOMPARE(answer.shown().text, path + " already exists.\nDo you want to replace it?");
            // The buttons name what they do.
            QCOMPARE(answer.shown().buttons, (QStringList{"Replace", "Cancel"}));
        }
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(dialog.isVisible(), !accepted);
        QCOMPARE(ReadBack(path), exists ? QByteArray("an older export") : "<unreadable>");
    }

    // Crew 5 TFS from September 2023 for twelve months: 57 runs of work days, counted by hand
    // from the rotation pattern; in September it works the 1st and 4th to 6th. The window says
    // so, and the next export starts in that folder. Where the window marks the United States'
    // holidays, the run from the 4th names Labor Day, Monday 4 September.
    void theWindowSaysWhatItWroteAndKeepsTheFolder_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("days");
        QTest::addColumn<int>("periods");
        QTest::addColumn<bool>("laborDay");
        const QByteArray crew = "[Config]\nWorkAssign=5 TFS\n";
        QTest::newRow("the rotation alone") << crew << QByteArray() << 57 << false;
        QTest::newRow("leave in the middle of a run splits it")
            << crew << QByteArray("[Days 5 TFS]\n2023-09-05=leave\n") << 58 << false;
        QTest::newRow("a note on a day off is no duty period")
            << crew << QByteArray("[Days 5 TFS]\n2023-09-02=rostered;Dentist\n") << 57 << false;
        QTest::newRow("a holiday on duty is named") << crew + "[Holidays]\nRegion=US\n"
                                                    << QByteArray() << 57 << true;
    }
    void theWindowSaysWhatItWroteAndKeepsTheFolder() {
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, days);
        QFETCH(int, periods);
        QFETCH(bool, laborDay);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("duty.ics");
        WindowUnderTest window;
        WriteSettingsFile(window, settings);
        if (!days.isEmpty())
            WritePlainFile(window.settingsFolder() + "/dutyloop-days.ini", days);
        StartWindow(window);
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        const OnNextModal<ExportDialog> fill([&](ExportDialog* dialog) {
            dialog->findChild<QLineEdit*>("fileNameEdit")->selectAll();
            QTest::keyClicks(dialog->findChild<QLineEdit*>("fileNameEdit"), path);
            QTest::mouseClick(
                dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok),
                Qt::LeftButton);
        });
        Click(w.exportButton);
        QVERIFY(fill.happened());
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(ReadFileBytes(path).value_or("").contains(
                     "DESCRIPTION:2023-09-04: Public holiday: Labor Day\r\n"),
                 laborDay);
        const QString said =
            QString::number(periods) + " duty periods written to " + QDir::toNativeSeparators(path);
        auto* message = w.settingsPage->findChild<QLabel*>("exportMessage");
        QVERIFY(message);
        QCOMPARE(message->text(), said);
        QVERIFY(message->isVisible());
        QCOMPARE(w.exportButton->accessibleDescription(), said);

        QString proposed;
        const OnNextModal<ExportDialog> look([&](ExportDialog* dialog) {
            proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            QTest::mouseClick(
                dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel),
                Qt::LeftButton);
        });
        Click(w.exportButton);
        QVERIFY(look.happened());
        QCOMPARE(proposed, folder.filePath("Dutyloop 5 TFS.ics"));
        // A cancelled export leaves the message of the last one.
        QCOMPARE(message->text(), said);
    }
};

QTEST_MAIN(TestExportDialog)
#include "test_export_dialog.moc"
