// The user's own calendar of holidays, read from an iCalendar file: its days (what they are is
// test_holiday_file's), and a plain refusal, with the reason, of anything that is no such
// calendar.

#include "platform/holiday_calendar.h"

#include "file_helpers.h"
#include "platform/file_services.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace dutyloop;
using namespace dutyloop::testing;

class TestHolidayCalendar : public QObject {
    Q_OBJECT
private slots:
    void aFileIsRead() {
        QTemporaryDir folder;
        Settings settings;
        settings.holidayFile = folder.filePath(QStringLiteral("holidays.ics"));
        WritePlainFile(settings.holidayFile,
                       "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//\r\nBEGIN:VEVENT\r\n"
                       "UID:a\r\nDTSTART;VALUE=DATE:20270505\r\nSUMMARY:Town fair\r\n"
                       "END:VEVENT\r\nEND:VCALENDAR\r\n");
        const HolidayCalendar calendar = LoadHolidayCalendar(settings);
        QVERIFY(calendar.error.isEmpty());
        QVERIFY(calendar.holidays);
        QCOMPARE(calendar.holidays->size(), std::size_t(1));
        QCOMPARE(calendar.holidays->front().date, QDate(2027, 5, 5));
        QCOMPARE(calendar.holidays->front().title, QStringLiteral("Town fair"));
    }

    // The settings ask for a file; where it cannot be read, the message names it and says why,
    // as the days file's does.
    void aFileThatCannotBeReadIsSaidSo_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << "missing"
                                 << "Unable to read %1: No such file or directory.";
        QTest::newRow("a folder") << "folder"
                                  << "Unable to read %1: it is not a file.";
        QTest::newRow("a FIFO") << "fifo"
                                << "Unable to read %1: it is not a file.";
        QTest::newRow("over 16 MiB") << "large"
                                     << "Unable to read %1: it is larger than 16 MiB.";
        QTest::newRow("no calendar") << "text"
                                     << "%1 is no iCalendar file of holidays.";
    }
    void aFileThatCannotBeReadIsSaidSo() {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        QTemporaryDir folder;
        Settings settings;
        settings.holidayFile = folder.filePath(QStringLiteral("holidays.ics"));
        if (kind == QLatin1String("folder")) {
            QDir().mkdir(settings.holidayFile);
        } else if (kind == QLatin1String("fifo")) {
            ::mkfifo(QFile::encodeName(settings.holidayFile).constData(), 0600);
        } else if (kind == QLatin1String("large")) {
            WritePlainFile(settings.holidayFile, "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
            QFile::resize(settings.holidayFile, kLargestReadableFile + 1);
        } else if (kind == QLatin1String("text")) {
            WritePlainFile(settings.holidayFile, "hello\n");
        }
        const HolidayCalendar calendar = LoadHolidayCalendar(settings);
        QVERIFY(!calendar.holidays);
        QCOMPARE(calendar.error, error.arg(settings.holidayFile));
    }

    void aRegionNeedsNoFile() {
        Settings settings;
        settings.holidayRegion = HolidayRegion::France;
        const HolidayCalendar calendar = LoadHolidayCalendar(settings);
        QVERIFY(calendar.error.isEmpty());
        QVERIFY(calendar.holidays);
        QCOMPARE(calendar.holidays->front().date, QDate(2014, 1, 1));
        QCOMPARE(calendar.holidays->back().date, QDate(2100, 12, 25));
        QVERIFY(!LoadHolidayCalendar(Settings()).holidays);
    }
};

QTEST_GUILESS_MAIN(TestHolidayCalendar)
#include "test_holiday_calendar.moc"
