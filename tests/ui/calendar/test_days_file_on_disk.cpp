// The days file as other hands leave it while the window is open: a day is shown as the file has
// it when its dialog opens, a change made on disk meanwhile is never written over, a file that
// cannot be read is said so and left alone, and no change makes the file too large to read.

#include "days_helpers.h"
#include "file_helpers.h"

#include "platform/file_services.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

// Monday 2023-09-18 is a work day of 3 TWT, Tuesday the 19th too; in the window's US English
// the 18th reads as below.
const QDate kWorkDay(2023, 9, 18);
const QString kWorkDayText = QStringLiteral("Monday, September 18, 2023");

// Nothing to write at that moment.
const QByteArray kUntouched;

} // namespace

class TestDaysFileOnDisk : public QObject {
    Q_OBJECT
private slots:
    void theDayIsReadWhenItOpens_data() {
        QTest::addColumn<QByteArray>("atStart");
        QTest::addColumn<QByteArray>("beforeOpening"); // written by another hand
        QTest::addColumn<QByteArray>("whileOpen");     // likewise
        QTest::addColumn<QString>("typed");            // empty: OK without touching anything
        QTest::addColumn<QString>("shown");            // the kind's button and the note
        QTest::addColumn<QByteArray>("file");          // afterwards
        QTest::addColumn<QString>("error");
        QTest::addColumn<DayChange>("cell"); // what the calendar shows afterwards
        const QByteArray leave = "[Days 3 TWT]\n2023-09-18=leave\n";
        const QByteArray byHand = "[Days 3 TWT]\n2023-09-18=sick;changed by hand\n";
        const QString refused = kWorkDayText +
                                " was changed in the days file while its dialog was open; the "
                                "file now says: %1.\nYour change was not saved. Open the day "
                                "again to change it.";
        QTest::newRow("changed before the day opens: the dialog shows it, OK keeps it")
            << leave << byHand << kUntouched << QString() << "sickButton|changed by hand" << byHand
            << QString() << DayChange{DayChangeKind::Sick, "changed by hand"};
        QTest::newRow("the day changed while open: OK refuses, naming the change")
            << leave << kUntouched << byHand << "Dentist"
            << "leaveButton|" << byHand
            << refused.arg(QString::fromUtf8("Sick, note “changed by hand”"))
            << DayChange{DayChangeKind::Sick, "changed by hand"};
        QTest::newRow("the day's line taken out while open: OK refuses")
            << leave << kUntouched << QByteArray("[Days 3 TWT]\n") << "Dentist"
            << "leaveButton|" << QByteArray("[Days 3 TWT]\n") << refused.arg("As rostered")
            << DayChange{};
        QTest::newRow("another day changed while open: both kept")
            << leave << kUntouched
            << QByteArray("[Days 3 TWT]\n2023-09-18=leave\n2023-09-19=sick\n") << "Dentist"
            << "leaveButton|"
            << QByteArray("[Days 3 TWT]\n2023-09-18=leave;Dentist\n2023-09-19=sick\n") << QString()
            << DayChange{DayChangeKind::Leave, "Dentist"};
    }
    void theDayIsReadWhenItOpens() {
        QFETCH(QByteArray, atStart);
        QFETCH(QByteArray, beforeOpening);
        QFETCH(QByteArray, whileOpen);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        QFETCH(DayChange, cell);
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kThreeTwt);
        WriteDaysFile(fixture, atStart);
        StartWindow(fixture);
        if (!beforeOpening.isNull())
            WriteDaysFile(fixture, beforeOpening);
        QString choice;
        OnNextModal<DayDialog> answer([&](DayDialog* dialog) {
            choice = ShownChoice(dialog);
            if (!whileOpen.isNull())
                WriteDaysFile(fixture, whileOpen);
            QTest::keyClicks(Find<QLineEdit>(dialog, "noteEdit"), typed);
            Click(DialogButton(dialog, QDialogButtonBox::Ok));
        });
        DoubleClickDay(*fixture, kWorkDay);
        QVERIFY(answer.happened());
        QCOMPARE(choice, shown);
        QCOMPARE(DaysFileOf(fixture), file);
        QCOMPARE(*fixture.errors, error.isEmpty() ? QStringList() : QStringList{error});
        const CellLook& look = CellLookOf(*fixture, kWorkDay);
        QCOMPARE(look.change, cell.kind);
        QCOMPARE(look.hasNote, !cell.note.isEmpty());
        QCOMPARE(CellLookOf(*fixture, QDate(2023, 9, 19)).change,
                 DaysFileOf(fixture).contains("2023-09-19=sick") ? DayChangeKind::Sick
                                                                 : DayChangeKind::AsRostered);
    }

    // Whatever stands where the days file belongs and cannot be read: the window says so once
    // when it starts, shows no changes, and opening a day says so again instead of offering a
    // change that could not be saved. Nothing is written over it.
    void anUnreadableFileIsSaidSoAndKept_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("a folder") << "folder"
                                  << "it is not a file";
        QTest::newRow("a FIFO") << "fifo"
                                << "it is not a file";
        QTest::newRow("a link to /dev/zero") << "zero"
                                             << "it is not a file";
        QTest::newRow("over 16 MiB") << "large"
                                     << "it is larger than 16 MiB";
        QTest::newRow("no permission to read") << "mode 000"
                                               << "Permission denied";
    }
    void anUnreadableFileIsSaidSoAndKept() {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        if (kind == QLatin1String("mode 000") && ::geteuid() == 0)
            QSKIP("the super-user reads a file of mode 000");
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kThreeTwt);
        const QString path = DaysFilePathOf(fixture);
        const QByteArray name = QFile::encodeName(path);
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == QLatin1String("zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else if (kind == QLatin1String("large")) {
            WriteDaysFile(fixture, "[Days 3 TWT]\n2023-09-18=sick\n");
            QVERIFY(QFile::resize(path, kLargestReadableFile + 1));
        } else {
            WriteDaysFile(fixture, "[Days 3 TWT]\n2023-09-18=sick\n");
            QCOMPARE(::chmod(name.constData(), 0), 0);
        }
        struct stat before {};
        QCOMPARE(::lstat(name.constData(), &before), 0);

        StartWindow(fixture);
        const QString message = QStringLiteral("Unable to read %1: %2.\nYour own days cannot be "
                                               "shown or changed until it can be read.")
                                    .arg(path, why);
        QTRY_COMPARE(*fixture.errors, QStringList{message});
        QCOMPARE(CellLookOf(*fixture, kWorkDay).change, DayChangeKind::AsRostered);

        OnNextModal<DayDialog> answer(
            [](DayDialog* dialog) { ChooseLeaveWithNote(dialog, QStringLiteral("Dentist")); });
        DoubleClickDay(*fixture, kWorkDay);
        QTest::qWait(50);
        QVERIFY(!answer.happened());
        QCOMPARE(*fixture.errors, QStringList({message, message}));
        struct stat after {};
        QCOMPARE(::lstat(name.constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_size, before.st_size);
        QCOMPARE(Entries(fixture.settingsFolder()),
                 QStringList({"dlTornvale.ini", "dutyloop-days.ini"}));
    }

    // The reader takes no file over the size limit, so no change may make one: a file near it is
    // kept as it is, and the calendar still shows what it holds.
    void aChangeThatWouldPassTheSizeLimitIsRefused() {
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kThreeTwt);
        const QByteArray days = "[Days 3 TWT]\n2023-09-19=sick\n";
        QByteArray before = days + "[Other]\n";
        const QByteArray filler = "Filler=a line that another program keeps in this file\n";
        while (before.size() + filler.size() <= kLargestReadableFile)
            before += filler;
        before += QByteArray(kLargestReadableFile - before.size() - 1, 'z') + '\n';
        QCOMPARE(before.size(), kLargestReadableFile);
        WriteDaysFile(fixture, before);
        StartWindow(fixture);
        QCOMPARE(CellLookOf(*fixture, QDate(2023, 9, 19)).change, DayChangeKind::Sick);
        OnNextModal<DayDialog> answer(
            [](DayDialog* dialog) { ChooseLeaveWithNote(dialog, QStringLiteral("Dentist")); });
        DoubleClickDay(*fixture, kWorkDay);
        QVERIFY(answer.happened());
        QCOMPARE(*fixture.errors,
                 QStringList{QStringLiteral("The days file %1 would grow past 16 MiB, the most "
                                            "that can be read back.\nThe change was not saved.")
                                 .arg(DaysFilePathOf(fixture))});
        QVERIFY(DaysFileOf(fixture) == before);
        QCOMPARE(CellLookOf(*fixture, kWorkDay).change, DayChangeKind::AsRostered);
        QCOMPARE(CellLookOf(*fixture, QDate(2023, 9, 19)).change, DayChangeKind::Sick);
    }
};

QTEST_MAIN(TestDaysFileOnDisk)
#include "test_days_file_on_disk.moc"
