#include "calendar/published_duty.h"
#include "publishing/publisher.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace dutyloop;

namespace {

const QDateTime kNow(QDate(2027, 3, 10), QTime(9, 0), QTimeZone::utc());

PublishedDuty MarchWith(const QByteArray& days) {
    Settings settings;
    settings.assignment = QStringLiteral("5 TFS");
    settings.publish.months = 1;
    return PublishedDutyFor(settings, AllDayChangesFromText(days), kNow);
}

// A khal of the test's own, its one calendar the published folder: its configuration's path.
QString KhalConfig(const QTemporaryDir& home, const QString& calendar) {
    const QString config = home.filePath("khal.conf");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QStringLiteral("[calendars]\n[[duty]]\npath = %1\ntype = calendar\n"
                              "[sqlite]\npath = %2\n"
                              "[locale]\nlocal_timezone = UTC\ndefault_timezone = UTC\n"
                              "dateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n"
                              "timeformat = %H:%M\ndatetimeformat = %Y-%m-%d %H:%M\n"
                              "longdatetimeformat = %Y-%m-%d %H:%M\n")
                   .arg(calendar, home.filePath("khal.db"))
                   .toUtf8());
    return config;
}

// khal's list of March 2027: "2027-03-02 2027-03-04 On duty (5 TFS)", sorted.
QStringList KhalList(const QString& khal, const QString& config) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("TZ", "UTC");
    process.setProcessEnvironment(environment);
    process.start(khal, {"-c", config, "list", "-o", "-df", "", "-f",
                         "{start-date} {end-date} {title}", "2027-03-01", "2027-03-31"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {QStringLiteral("khal failed: ") + process.readAllStandardError()};
    QStringList lines =
        QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

const QByteArray kDentist = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\n"
                            "BEGIN:VEVENT\r\nUID:dentist-1@phone.example\r\n"
                            "DTSTAMP:20270101T000000Z\r\nDTSTART;VALUE=DATE:20270305\r\n"
                            "DTEND;VALUE=DATE:20270306\r\nSUMMARY:Dentist\r\nEND:VEVENT\r\n"
                            "END:VCALENDAR\r\n";

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The event as a phone's calendar saves it back through a sync: the same file, without the
// crew's mark and the category, which it does not know.
QByteArray Stripped(const QByteArray& ics) {
    QByteArray unfolded = ics;
    unfolded.replace("\r\n ", "");
    QByteArray kept;
    for (const QByteArray& line : unfolded.split('\n')) {
        if (!line.startsWith("X-DUTYLOOP-CREW") && !line.startsWith("CATEGORIES") &&
            !line.isEmpty())
            kept += line + '\n';
    }
    return kept;
}

// khal's list of March 2027 as published for 5 TFS.
const QStringList kMarchDuty{
    "2027-03-02 2027-03-04 On duty (5 TFS)", "2027-03-09 2027-03-11 On duty (5 TFS)",
    "2027-03-15 2027-03-16 On duty (5 TFS)", "2027-03-21 2027-03-23 On duty (5 TFS)",
    "2027-03-28 2027-03-30 On duty (5 TFS)"};

} // namespace

class TestPublishVdir : public QObject {
    Q_OBJECT
private slots:
    // A folder khal reads: after publishing, exactly the duty of March 2027 (5 TFS, read off
    // the pattern table from its anchor Monday 2014-01-06) beside another program's event; after
    // a day change, exactly the new duty. Files of others stay as they were.
    void khalReadsThePublishedFolder() {
        const QString khal = QStandardPaths::findExecutable("khal");
        if (khal.isEmpty())
            QSKIP("khal is not installed (Debian's khal, in the Makefile's DEB_PACKAGES)");
        QTemporaryDir home;
        const QString folder = home.filePath("calendars/duty");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(Write(folder + "/dentist.ics", kDentist));
        QVERIFY(Write(folder + "/notes.txt", "not a calendar"));
        const QString config = KhalConfig(home, folder);
        QVERIFY(!config.isEmpty());

        Publisher publisher(home.filePath("settings"), [] { return kNow; });
        publisher.setRetrying(false);
        publisher.setTarget({PublishTarget::Kind::Folder, {}, {}, folder, 1, {}});
        publisher.publish(MarchWith({}));
        QTRY_COMPARE(publisher.status().state, PublishStatus::State::Published);
        QCOMPARE(KhalList(khal, config), (QStringList{"2027-03-02 2027-03-04 On duty (5 TFS)",
                                                      "2027-03-05 2027-03-05 Dentist",
                                                      "2027-03-09 2027-03-11 On duty (5 TFS)",
                                                      "2027-03-15 2027-03-16 On duty (5 TFS)",
                                                      "2027-03-21 2027-03-23 On duty (5 TFS)",
                                                      "2027-03-28 2027-03-30 On duty (5 TFS)"}));
        const QStringList files = QDir(folder).entryList(QDir::Files);
        QVERIFY(files.contains("20270302-5-tfs@dutyloop.halvorne.example.ics"));

        // Leave on the first day of the run from the 9th, extra duty on Saturday the 13th, a
        // note on Thursday the 18th; then the run from the 2nd taken out by leave altogether.
        publisher.publish(MarchWith(
            "[Days 5 TFS]\n2027-03-09=leave\n2027-03-13=extra\n2027-03-18=rostered;Call Anna\n"
            "2027-03-02=leave\n2027-03-03=leave\n2027-03-04=leave\n"));
        QTRY_COMPARE(publisher.status().state, PublishStatus::State::Published);
        QCOMPARE(publisher.status().created, 2);
        QCOMPARE(publisher.status().updated, 1);
        QCOMPARE(publisher.status().deleted, 1);
        QCOMPARE(
            KhalList(khal, config),
            (QStringList{"2027-03-05 2027-03-05 Dentist", "2027-03-10 2027-03-11 On duty (5 TFS)",
                         "2027-03-13 2027-03-13 Extra duty (5 TFS)",
                         "2027-03-15 2027-03-16 On duty (5 TFS)", "2027-03-18 2027-03-18 Call Anna",
                         "2027-03-21 2027-03-23 On duty (5 TFS)",
                         "2027-03-28 2027-03-30 On duty (5 TFS)"}));
        QFile dentist(folder + "/dentist.ics");
        QVERIFY(dentist.open(QIODevice::ReadOnly));
        QCOMPARE(dentist.readAll(), kDentist);
        QVERIFY(QFile::exists(folder + "/notes.txt"));
    }

    // A phone's calendar, synced into the folder, saves an event of ours in place without the
    // crew's mark and the category: by its UID it is still ours, written over where it is and
    // never doubled; taken away by leave, it goes.
    void strippedEventStaysOne() {
        const QString khal = QStandardPaths::findExecutable("khal");
        if (khal.isEmpty())
            QSKIP("khal is not installed (Debian's khal, in the Makefile's DEB_PACKAGES)");
        QTemporaryDir home;
        const QString folder = home.filePath("duty");
        const QString config = KhalConfig(home, folder);
        Publisher publisher(home.filePath("settings"), [] { return kNow; });
        publisher.setRetrying(false);
        publisher.setTarget({PublishTarget::Kind::Folder, {}, {}, folder, 1, {}});
        publisher.publish(MarchWith({}));
        QTRY_COMPARE(publisher.status().state, PublishStatus::State::Published);
        const QStringList files = QDir(folder).entryList(QDir::Files);
        const QString ninth = folder + "/20270309-5-tfs@dutyloop.halvorne.example.ics";
        const QByteArray stripped = Stripped(Read(ninth));
        QVERIFY(!stripped.contains("X-DUTYLOOP-CREW") && !stripped.contains("CATEGORIES"));
        QVERIFY(Write(ninth, stripped));

        publisher.publish(MarchWith({}));
        QTRY_COMPARE(publisher.status().state, PublishStatus::State::Published);
        QCOMPARE(publisher.status().created, 0);
        QCOMPARE(publisher.status().updated, 1);
        QCOMPARE(QDir(folder).entryList(QDir::Files), files);
        QVERIFY(Read(ninth).contains("X-DUTYLOOP-CREW:5 TFS"));
        QCOMPARE(KhalList(khal, config), kMarchDuty);

        QVERIFY(Write(ninth, stripped));
        publisher.publish(
            MarchWith("[Days 5 TFS]\n2027-03-09=leave\n2027-03-10=leave\n2027-03-11=leave\n"));
        QTRY_COMPARE(publisher.status().state, PublishStatus::State::Published);
        QCOMPARE(publisher.status().deleted, 1);
        QVERIFY(!QFile::exists(ninth));
        QStringList left = kMarchDuty;
        left.removeAt(1);
        QCOMPARE(KhalList(khal, config), left);
    }
};

QTEST_GUILESS_MAIN(TestPublishVdir)
#include "test_publish_vdir.moc"
