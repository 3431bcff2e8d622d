// What the window shows follows the settings as edited at once; what leaves it (the published
// calendar, and so `dutyloop --publish` run by a timer) follows them once saved. The title marks
// settings changed and not saved, Save can be pressed only then, and closing asks about them.
// 5 TFS works runs from 2, 9, 15, 21 and 28 March 2027, read off the rotation by hand.

#include "days_helpers.h"
#include "faketime.h"
#include "file_helpers.h"

#include "ui/publishing/duty_publishing.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QSpinBox>
#include <QTimeEdit>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QDate kToday(2027, 3, 10);
const QByteArray kSettings = "[Config]\nWorkAssign=5 TFS\n[Duty Hours]\n5 TFS=07:00-19:00\n"
                             "[Publish]\nTarget=folder\nFolder=$FOLDER\nMonths=1\n";

// Every file of the folder and what it holds.
QMap<QString, QByteArray> FolderContent(const QString& folder) {
    QMap<QString, QByteArray> content;
    QDirIterator it(folder, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        const QString path = it.next();
        content.insert(QFileInfo(path).fileName(), ReadBack(path));
    }
    return content;
}

// `dutyloop --publish` as the timer runs it, on the same day and in the same zone as the window;
// what it printed.
QString PublishAsTheTimerDoes(const WindowUnderTest& fixture) {
    QProcess program;
    program.setProcessEnvironment(
        TimerEnvironment(fixture.configFolder->path(), QStringLiteral("@2027-03-10 12:00:00")));
    program.start(QStringLiteral(DUTYLOOP_PROGRAM), {QStringLiteral("--publish")});
    if (!program.waitForFinished(60000))
        return QStringLiteral("(did not finish)");
    return QString::fromUtf8(program.readAllStandardOutput()).trimmed() +
           QString::fromLocal8Bit(program.readAllStandardError()).trimmed();
}

struct Published {
    QTemporaryDir folder;
    QTemporaryDir holidays;
    WindowUnderTest fixture;
};

// A window on 10 March 2027 in Berlin that publishes 5 TFS's March into a folder of its own.
std::unique_ptr<Published> PublishingWindow() {
    auto published = std::make_unique<Published>();
    QByteArray settings = kSettings;
    settings.replace("$FOLDER", published->folder.path().toUtf8());
    const QString holidayFile = published->holidays.filePath(QStringLiteral("station.ics"));
    WritePlainFile(holidayFile, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n"
                                "BEGIN:VEVENT\r\nUID:founders@test\r\nDTSTAMP:20270101T000000Z\r\n"
                                "DTSTART;VALUE=DATE:20270309\r\nSUMMARY:Founders Day\r\n"
                                "END:VEVENT\r\nEND:VCALENDAR\r\n");
    published->fixture.adjustPlatform = [holidayFile](Platform& platform) {
        platform.now = [] { return QDateTime(kToday, QTime(13, 0), QTimeZone("Europe/Berlin")); };
        platform.chooseOpenFile = [holidayFile](QWidget*, const QString&, const QString&,
                                                const QString&) { return holidayFile; };
    };
    WriteSettingsFile(published->fixture, settings);
    StartWindow(published->fixture, kToday);
    return published;
}

QString PublishState(const MainWindow& window) {
    return Find<QLabel>(&window, "publishState")->text();
}

void ChooseEntry(QComboBox* box, const QString& entry) {
    OpenList(box);
    ClickListEntry(box, box->findText(entry));
}

// One setting changed by hand on the Settings tab.
void ChangeByHand(MainWindow& window, const QString& change) {
    const Controls w = ControlsOf(window);
    OpenTab(window, w.settingsPage);
    if (change == QLatin1String("duty start")) {
        auto* start = Find<QAbstractSpinBox>(w.settingsPage, "dutyStartField");
        Click(start);
        QTest::keyClick(start, Qt::Key_Home);
        QTest::keyClick(start, Qt::Key_Up);
        QTest::keyClick(start, Qt::Key_Return);
    } else if (change == QLatin1String("crew")) {
        ChooseEntry(w.assignment, QStringLiteral("3 TWT"));
    } else if (change == QLatin1String("reminder")) {
        ChooseEntry(Find<ClosingComboBox>(w.settingsPage, "reminderBox"),
                    QStringLiteral("1 hour before"));
    } else if (change == QLatin1String("holiday file")) {
        auto* holidays = Find<ClosingComboBox>(w.settingsPage, "holidaysBox");
        ChooseEntry(holidays, QStringLiteral("From a file…"));
    }
}

} // namespace

class TestSavedSettings : public QObject {
    Q_OBJECT
private slots:
    void shownAtOncePublishedOnceSaved_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QByteArray>("savedLine");
        QTest::newRow("duty start") << "duty start" << QByteArray("5 TFS=08:00-20:00\n");
        QTest::newRow("crew") << "crew" << QByteArray("WorkAssign=3 TWT\n");
        QTest::newRow("reminder") << "reminder" << QByteArray("Remind=60\n");
        QTest::newRow("holiday file") << "holiday file" << QByteArray("station.ics\n");
    }
    void shownAtOncePublishedOnceSaved() {
        QFETCH(QString, change);
        QFETCH(QByteArray, savedLine);
        const auto published = PublishingWindow();
        MainWindow& window = *published->fixture;
        const Controls w = ControlsOf(window);
        const QString folder = published->folder.path();
        QTRY_VERIFY(PublishState(window).startsWith(QStringLiteral("Published")));
        const QMap<QString, QByteArray> before = FolderContent(folder);
        const QByteArray file = ReadBack(window.settingsFilePath());
        QVERIFY(!window.isWindowModified());
        QVERIFY(!w.save->isEnabled());

        ChangeByHand(window, change);
        QVERIFY(window.settings() != SettingsFromText(file));
        QVERIFY(window.isWindowModified());
        QVERIFY(w.save->isEnabled());
        QCOMPARE(ReadBack(window.settingsFilePath()), file);
        // Long enough for a change to have gone out, had it gone.
        QTest::qWait(4 * DutyPublishing::kPauseMs);
        QCOMPARE(FolderContent(folder), before);
        QCOMPARE(PublishAsTheTimerDoes(published->fixture),
                 QStringLiteral("0 created, 0 updated, 0 deleted on ") + folder);

        Click(w.save);
        QVERIFY2(ReadBack(window.settingsFilePath()).contains(savedLine),
                 ReadBack(window.settingsFilePath()).constData());
        QVERIFY(!window.isWindowModified());
        QVERIFY(!w.save->isEnabled());
        QTRY_VERIFY(FolderContent(folder) != before);
        QTRY_VERIFY(PublishState(window).startsWith(QStringLiteral("Published")));
        QCOMPARE(PublishAsTheTimerDoes(published->fixture),
                 QStringLiteral("0 created, 0 updated, 0 deleted on ") + folder);
    }

    // Closing with settings changed and not saved asks, as a desktop program does.
    void closingAsksAboutUnsavedSettings_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("Save writes them") << "Save";
        QTest::newRow("Discard leaves the file as it was") << "Discard";
        QTest::newRow("Cancel keeps the window open") << "Cancel";
    }
    void closingAsksAboutUnsavedSettings() {
        QFETCH(QString, answer);
        auto fixture = ShownWindow(kToday, "[Config]\nWorkAssign=5 TFS\n; kept as it is\n");
        const QByteArray file = ReadBack(fixture->settingsFilePath());
        OpenTab(*fixture, ControlsOf(*fixture).settingsPage);
        ChooseEntry(ControlsOf(*fixture).assignment, QStringLiteral("3 TWT"));
        AnswerNextMessageBox box(answer);
        QCOMPARE(fixture->close(), answer != QLatin1String("Cancel"));
        QVERIFY(box.happened());
        QCOMPARE(fixture->isVisible(), answer == QLatin1String("Cancel"));
        const QByteArray now = ReadBack(fixture->settingsFilePath());
        if (answer == QLatin1String("Save"))
            QVERIFY2(now.contains("WorkAssign=3 TWT\n") && now.contains("; kept as it is\n"),
                     now.constData());
        else
            QCOMPARE(now, file);
    }

    void closingWithNothingUnsavedAsksNothing() {
        auto fixture = ShownWindow(kToday, "[Config]\nWorkAssign=5 TFS\n");
        OpenTab(*fixture, ControlsOf(*fixture).settingsPage);
        ChooseEntry(ControlsOf(*fixture).assignment, QStringLiteral("3 TWT"));
        ChooseEntry(ControlsOf(*fixture).assignment, QStringLiteral("5 TFS"));
        QVERIFY(!fixture->isWindowModified());
        AnswerNextMessageBox box(QMessageBox::Save);
        QVERIFY(fixture->close());
        QVERIFY(!box.happened());
    }

    // A days file edited by hand, or put in place of the old one as a sync tool does, shows in
    // the month and reaches the published calendar without a restart.
    void aDaysFileChangedOnDiskIsFollowed_data() {
        QTest::addColumn<bool>("replaced");
        QTest::newRow("edited in place") << false;
        QTest::newRow("replaced by another file") << true;
    }
    void aDaysFileChangedOnDiskIsFollowed() {
        QFETCH(bool, replaced);
        const auto published = PublishingWindow();
        MainWindow& window = *published->fixture;
        const QString runFile = published->folder.filePath(
            QStringLiteral("20270309-5-tfs@dutyloop.halvorne.example.ics"));
        QTRY_VERIFY(ReadBack(runFile).contains("DTSTART;TZID=Europe/Berlin:20270309T070000"));
        QCOMPARE(CellLookOf(window, QDate(2027, 3, 9)).change, DayChangeKind::AsRostered);

        const QByteArray leave = "[Days 5 TFS]\n2027-03-09=leave\n";
        const QString path = DaysFilePathOf(published->fixture);
        if (replaced) {
            WritePlainFile(path + QStringLiteral(".sync-tmp"), leave);
            QVERIFY(QFile::rename(path + QStringLiteral(".sync-tmp"), path));
        } else {
            WritePlainFile(path, leave);
        }
        QTRY_COMPARE(CellLookOf(window, QDate(2027, 3, 9)).change, DayChangeKind::Leave);
        QTRY_VERIFY(ReadBack(runFile).contains("DTSTART;TZID=Europe/Berlin:20270310T070000"));
        // A second edit is followed as well: the file is watched anew after a replacement.
        WritePlainFile(path, QByteArray());
        QTRY_COMPARE(CellLookOf(window, QDate(2027, 3, 9)).change, DayChangeKind::AsRostered);
    }
};

QTEST_MAIN(TestSavedSettings)
#include "test_saved_settings.moc"
