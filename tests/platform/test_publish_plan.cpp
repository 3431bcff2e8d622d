#include "publishing/publish_plan.h"

#include <QTest>

using namespace dutyloop;

Q_DECLARE_METATYPE(QList<dutyloop::HeldEvent>)
Q_DECLARE_METATYPE(dutyloop::ConfirmedEvents)

namespace {

const QString kPrefix = QStringLiteral("/kim/duty/");
// What each UID of 5 TFS's events ends in; left out of the steps described, for short rows.
const QByteArray kFiveTfs = "-5-tfs@dutyloop.halvorne.example";
const QByteArray kThreeTwt = "-3-twt@dutyloop.halvorne.example";

QByteArray Uid(const char* key, const QByteArray& crew = kFiveTfs) {
    return key + crew;
}

// Three wanted events in March 2027, answering for the days from 26 February.
PublishedDuty Wanted() {
    PublishedDuty duty;
    duty.crew = QStringLiteral("5 TFS");
    duty.days = {QDate(2027, 2, 26), QDate(2027, 3, 31)};
    duty.events = {{Uid("b"), QDate(2027, 3, 9), "ICS-B", "hash-b"},
                   {Uid("a"), QDate(2027, 3, 2), "ICS-A", "hash-a"},
                   {Uid("c"), QDate(2027, 3, 15), "ICS-C", "hash-c"}};
    return duty;
}

// An event of `crew`'s at its own name.
HeldEvent Held(const char* key, const char* etag, QDate first, const QByteArray& crew = kFiveTfs) {
    const QByteArray uid = Uid(key, crew);
    return {kPrefix + QString::fromUtf8(uid) + QStringLiteral(".ics"), etag, uid, first};
}

// Every wanted event held and confirmed with its content.
QList<HeldEvent> AllHeld() {
    return {Held("a", "\"1\"", {2027, 3, 2}), Held("b", "\"2\"", {2027, 3, 9}),
            Held("c", "\"3\"", {2027, 3, 15})};
}
ConfirmedEvents AllConfirmed() {
    ConfirmedEvents confirmed;
    for (const HeldEvent& event : AllHeld())
        confirmed[event.href] = {event.etag, event.uid, "hash-" + event.uid.left(1), event.first};
    return confirmed;
}

QStringList Described(const QList<PublishStep>& steps) {
    QStringList lines;
    for (const PublishStep& step : steps) {
        const char* action = step.action == PublishStep::Action::Create   ? "create"
                             : step.action == PublishStep::Action::Update ? "update"
                                                                          : "delete";
        const QString href = QString(step.href).remove(QString::fromLatin1(kFiveTfs));
        lines.append(QStringLiteral("%1 %2 %3")
                         .arg(QLatin1String(action), href, QString::fromLatin1(step.etag))
                         .trimmed());
    }
    return lines;
}

} // namespace

class TestPublishPlan : public QObject {
    Q_OBJECT
private slots:
    void plan_data() {
        QTest::addColumn<QList<HeldEvent>>("held");
        QTest::addColumn<ConfirmedEvents>("confirmed");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("an empty calendar: all created, by date")
            << QList<HeldEvent>() << ConfirmedEvents()
            << QStringList{"create /kim/duty/a.ics", "create /kim/duty/b.ics",
                           "create /kim/duty/c.ics"};
        QTest::newRow("all there as confirmed: nothing")
            << AllHeld() << AllConfirmed() << QStringList();
        QList<HeldEvent> edited = AllHeld();
        edited[1].etag = "\"2-edited\"";
        QTest::newRow("changed by another client: put back over its version")
            << edited << AllConfirmed() << QStringList{"update /kim/duty/b.ics \"2-edited\""};
        ConfirmedEvents oldContent = AllConfirmed();
        oldContent[AllHeld()[2].href].hash = "hash-c-before-leave";
        QTest::newRow("a changed day: that event updated")
            << AllHeld() << oldContent << QStringList{"update /kim/duty/c.ics \"3\""};
        QTest::newRow("nothing confirmed (the state lost): each held one sent again")
            << AllHeld() << ConfirmedEvents()
            << QStringList{"update /kim/duty/a.ics \"1\"", "update /kim/duty/b.ics \"2\"",
                           "update /kim/duty/c.ics \"3\""};
        QList<HeldEvent> stale = AllHeld();
        stale.append(Held("gone", "\"9\"", {2027, 3, 20}));
        stale.append(Held("edge", "\"8\"", {2027, 2, 26}));
        stale.append(Held("history", "\"7\"", {2027, 2, 23}));
        QTest::newRow("ours no longer wanted: deleted from the first day on, history kept")
            << stale << AllConfirmed()
            << QStringList{"delete /kim/duty/gone.ics \"9\"", "delete /kim/duty/edge.ics \"8\""};
        QList<HeldEvent> others = AllHeld();
        others.append({"/kim/duty/phone.ics", "\"p\"", "phone-1@example", {2027, 3, 20}});
        others.append({AllHeld()[0].href, "\"x\"", "x@example", {2027, 3, 2}});
        others.removeFirst(); // a's own name taken by another client's event
        QTest::newRow("another client's events untouched, even under our name")
            << others << AllConfirmed() << QStringList{"create /kim/duty/a-2.ics"};
        QList<HeldEvent> crews = AllHeld();
        crews.append(Held("a", "\"t1\"", {2027, 3, 2}, kThreeTwt));
        crews.append(Held("gone", "\"t2\"", {2027, 3, 20}, kThreeTwt));
        QTest::newRow("another crew's events on the same calendar untouched")
            << crews << AllConfirmed() << QStringList();
        ConfirmedEvents switched = AllConfirmed();
        switched[crews[4].href] = {"\"t2\"", crews[4].uid, "hash-t", {2027, 3, 20}};
        QTest::newRow("another crew's, even where this profile confirmed it")
            << crews << switched << QStringList();
        QList<HeldEvent> renamed = AllHeld();
        renamed[1].href = "/kim/duty/B1F3.ics";
        QTest::newRow("ours under another client's name: updated there, not created")
            << renamed << AllConfirmed() << QStringList{"update /kim/duty/B1F3.ics \"2\""};
        QList<HeldEvent> wholeFile = AllHeld();
        wholeFile[0].shared = true;
        QTest::newRow("a whole calendar file starting with ours: not ours")
            << wholeFile << AllConfirmed() << QStringList{"create /kim/duty/a-2.ics"};
        QList<HeldEvent> twice = AllHeld();
        twice.append({"/kim/duty/copy-of-b.ics", "\"4\"", Uid("b"), {2027, 3, 9}});
        QTest::newRow("a second copy of ours deleted")
            << twice << AllConfirmed() << QStringList{"delete /kim/duty/copy-of-b.ics \"4\""};
        QList<HeldEvent> doubled = AllHeld();
        doubled.prepend({"/kim/duty/b-2.ics", "\"5\"", Uid("b"), {2027, 3, 9}});
        QTest::newRow("doubled under a second name: the copy at its own name kept")
            << doubled << AllConfirmed() << QStringList{"delete /kim/duty/b-2.ics \"5\""};
    }
    void plan() {
        QFETCH(QList<HeldEvent>, held);
        QFETCH(ConfirmedEvents, confirmed);
        QFETCH(QStringList, expected);
        QCOMPARE(Described(PublishPlan(Wanted(), held, confirmed, kPrefix)), expected);
    }

    // A create and an update carry the wanted content; a delete none.
    void stepsCarryTheContent() {
        QList<HeldEvent> held = AllHeld();
        held.removeFirst();
        held.append(Held("gone", "\"9\"", {2027, 3, 20}));
        ConfirmedEvents confirmed = AllConfirmed();
        confirmed[AllHeld()[1].href].hash = "old";
        const QList<PublishStep> steps = PublishPlan(Wanted(), held, confirmed, kPrefix);
        QCOMPARE(steps.size(), 3);
        QCOMPARE(steps[0].ics, QByteArray("ICS-A"));
        QCOMPARE(steps[0].hash, QByteArray("hash-a"));
        QCOMPARE(steps[1].ics, QByteArray("ICS-B"));
        QCOMPARE(steps[1].uid, Uid("b"));
        QVERIFY(steps[2].ics.isEmpty());
    }

    void changesWaiting_data() {
        QTest::addColumn<ConfirmedEvents>("confirmed");
        QTest::addColumn<int>("waiting");
        QTest::newRow("nothing confirmed") << ConfirmedEvents() << 3;
        QTest::newRow("all confirmed") << AllConfirmed() << 0;
        ConfirmedEvents changed = AllConfirmed();
        changed[AllHeld()[0].href].hash = "old";
        changed[kPrefix + "x.ics"] = {"\"x\"", Uid("x"), "hash-x", {2027, 3, 25}};
        changed[kPrefix + "old.ics"] = {"\"o\"", Uid("old"), "hash-o", {2027, 1, 5}};
        changed[kPrefix + "twt.ics"] = {"\"t\"", Uid("t", kThreeTwt), "hash-t", {2027, 3, 25}};
        QTest::newRow("one changed, one to delete, history and another crew's aside")
            << changed << 2;
    }
    void changesWaiting() {
        QFETCH(ConfirmedEvents, confirmed);
        QFETCH(int, waiting);
        QCOMPARE(ChangesWaiting(Wanted(), confirmed), waiting);
    }
};

QTEST_GUILESS_MAIN(TestPublishPlan)
#include "test_publish_plan.moc"
