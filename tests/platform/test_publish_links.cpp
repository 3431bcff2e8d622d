// Publishing's own files, the state in the settings folder and the events in a folder target,
// are written where they stand: a link under one of their names gives way to the file, and what
// it leads to is never touched. A state that cannot be kept stops the run, which says why.

#include "calendar/published_duty.h"
#include "file_helpers.h"
#include "publishing/publish_texts.h"
#include "publishing/publisher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <sys/stat.h>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QDateTime kNow(QDate(2027, 3, 10), QTime(9, 0), QTimeZone::utc());

// The file of the run from 2 March, the first of the five runs of 5 TFS in March 2027.
const QString kFirstRun = QStringLiteral("20270302-5-tfs@dutyloop.halvorne.example.ics");

PublishedDuty March() {
    Settings settings;
    settings.assignment = QStringLiteral("5 TFS");
    settings.publish.months = 1;
    return PublishedDutyFor(settings, {}, kNow);
}

// One run, as `--publish` makes it, from the settings folder to the folder target.
PublishStatus PublishOnce(const QString& settings, const QString& folder) {
    Publisher publisher(settings, [] { return kNow; });
    publisher.setRetrying(false);
    publisher.setTarget({PublishTarget::Kind::Folder, {}, {}, folder, 1, {}});
    publisher.publish(March());
    if (!QTest::qWaitFor(
            [&] { return publisher.status().state != PublishStatus::State::Publishing; }, 30000))
        qWarning("the run did not end");
    return publisher.status();
}

} // namespace

class TestPublishLinks : public QObject {
    Q_OBJECT
private slots:
    void linkReplacedItsFileUntouched_data() {
        QTest::addColumn<QString>("linked");     // "state", or "event": the run from 2 March
        QTest::addColumn<QByteArray>("leadsTo"); // what the link leads to; null: nothing
        const QByteArray notes = "Call Anna about the swap\n";
        // An event of ours as it stood before: the next run replaces it where it is.
        QByteArray oldCopy = March().events.first().ics;
        oldCopy.replace("SUMMARY:", "SUMMARY:Old ");
        QTest::newRow("the state, to a file of the user's") << "state" << notes;
        QTest::newRow("the state, to nothing yet") << "state" << QByteArray();
        QTest::newRow("an event, to a file of the user's") << "event" << notes;
        QTest::newRow("an event, to an old copy of it") << "event" << oldCopy;
        QTest::newRow("an event, to nothing yet") << "event" << QByteArray();
    }
    void linkReplacedItsFileUntouched() {
        QFETCH(QString, linked);
        QFETCH(QByteArray, leadsTo);
        QTemporaryDir home;
        const QString settings = home.filePath("settings");
        const QString folder = home.filePath("duty");
        QVERIFY(QDir().mkpath(settings) && QDir().mkpath(folder) &&
                QDir().mkpath(home.filePath("elsewhere")));
        const QString elsewhere = home.filePath("elsewhere/kept");
        if (!leadsTo.isNull())
            WritePlainFile(elsewhere, leadsTo);
        const QString name =
            linked == u"state" ? settings + "/dutyloop-published.json" : folder + u'/' + kFirstRun;
        QVERIFY(QFile::link(elsewhere, name));

        PublishStatus status = PublishOnce(settings, folder);
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.created + status.updated, 5);
        QCOMPARE(Entries(home.filePath("elsewhere")),
                 leadsTo.isNull() ? QStringList() : QStringList{"kept"});
        if (!leadsTo.isNull())
            QCOMPARE(ReadBack(elsewhere), leadsTo);
        QVERIFY(!QFileInfo(name).isSymLink());
        QVERIFY(QFileInfo(name).isFile());
        // What the run wrote in the link's place is what the next run finds.
        status = PublishOnce(settings, folder);
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.created + status.updated + status.deleted, 0);
    }

    // Something under the state's name that cannot be the state: the run sends nothing, fails
    // and says why; once it is cleared away, the next run publishes.
    void stateThatCannotBeKept_data() {
        QTest::addColumn<QString>("what");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a FIFO") << "fifo";
    }
    void stateThatCannotBeKept() {
        QFETCH(QString, what);
        QTemporaryDir home;
        const QString settings = home.filePath("settings");
        const QString folder = home.filePath("duty");
        const QString state = settings + "/dutyloop-published.json";
        if (what == u"folder")
            QVERIFY(QDir().mkpath(state + "/inside"));
        else
            QVERIFY(QDir().mkpath(settings) &&
                    ::mkfifo(QFile::encodeName(state).constData(), 0600) == 0);

        PublishStatus status = PublishOnce(settings, folder);
        QCOMPARE(status.state, PublishStatus::State::Waiting);
        QCOMPARE(status.problem, PublishProblem::StateNotKept);
        QCOMPARE(status.changesWaiting, 5);
        const QString text = PublishFailureText(status);
        QVERIFY2(text.contains(state) && text.contains("it is not a file"), qPrintable(text));
        QCOMPARE(Entries(folder), QStringList());

        QVERIFY(what == u"folder" ? QDir(state).removeRecursively() : QFile::remove(state));
        status = PublishOnce(settings, folder);
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.created, 5);
    }
};

QTEST_GUILESS_MAIN(TestPublishLinks)
#include "test_publish_links.moc"
