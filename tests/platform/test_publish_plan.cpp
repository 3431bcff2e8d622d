#include "publishing/publish_plan.h"

#include <QTest>

using namespace dutyloop;

Q_DECLARE_METATYPE(QList<dutyloop::HeldEvent>)
Q_DECLARE_METATYPE(dutyloop::ConfirmedEvents)

namespace {

const QString kPrefix = QStringLiteral("/kim/duty/");

// Three wanted events in March 2027, answering for the days from 26 February.
PublishedDuty Wanted() {
    PublishedDuty duty;
    duty.crew = QStringLiteral("5 TFS");
    duty.days = {QDate(2027, 2, 26), QDate(2027, 3, 31)};
    duty.events = {{"b@d", QDate(2027, 3, 9), "ICS-B", "hash-b"},
                   {"a@d", QDate(2027, 3, 2), "ICS-A", "hash-a"},
                   {"c@d", QDate(2027, 3, 15), "ICS-C", "hash-c"}};
    return duty;
}

HeldEvent Ours(const char* uid, const char* etag, QDate first) {
    return {kPrefix + QString::fromLatin1(uid) + QStringLiteral(".ics"), etag, uid, true, first};
}

// Every wanted event held and confirmed with its content.
QList<HeldEvent> AllHeld() {
    return {Ours("a@d", "\"1\"", {2027, 3, 2}), Ours("b@d", "\"2\"", {2027, 3, 9}),
            Ours("c@d", "\"3\"", {2027, 3, 15})};
}
ConfirmedEvents AllConfirmed() {
    return {{kPrefix + "a@d.ics", {"\"1\"", "a@d", "hash-a", {2027, 3, 2}}},
            {kPrefix + "b@d.ics", {"\"2\"", "b@d", "hash-b", {2027, 3, 9}}},
            {kPrefix + "c@d.ics", {"\"3\"", "c@d", "hash-c", {2027, 3, 15}}}};
}

QStringList Described(const QList<PublishStep>& steps) {
    QStringList lines;
    for (const PublishStep& step : steps) {
        const char* action = step.action == PublishStep::Action::Create   ? "create"
                             : step.action == PublishStep::Action::Update ? "update"
                                                                          : "delete";
        lines.append(QStringLiteral("%1 %2 %3")
                         .arg(QLatin1String(action), step.href, QString::fromLatin1(step.etag))
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
            << QStringList{"create /kim/duty/a@d.ics", "create /kim/duty/b@d.ics",
                           "create /kim/duty/c@d.ics"};
        QTest::newRow("all there as confirmed: nothing")
            << AllHeld() << AllConfirmed() << QStringList();
        QList<HeldEvent> edited = AllHeld();
        edited[1].etag = "\"2-edited\"";
        QTest::newRow("changed by another client: put back over its version")
            << edited << AllConfirmed() << QStringList{"update /kim/duty/b@d.ics \"2-edited\""};
        ConfirmedEvents oldContent = AllConfirmed();
        oldContent[kPrefix + "c@d.ics"].hash = "hash-c-before-leave";
        QTest::newRow("a changed day: that event updated")
            << AllHeld() << oldContent << QStringList{"update /kim/duty/c@d.ics \"3\""};
        QTest::newRow("nothing confirmed (the state lost): each held one sent again")
            << AllHeld() << ConfirmedEvents()
            << QStringList{"update /kim/duty/a@d.ics \"1\"", "update /kim/duty/b@d.ics \"2\"",
                           "update /kim/duty/c@d.ics \"3\""};
        QList<HeldEvent> stale = AllHeld();
        stale.append(Ours("gone@d", "\"9\"", {2027, 3, 20}));
        stale.append(Ours("edge@d", "\"8\"", {2027, 2, 26}));
        stale.append(Ours("history@d", "\"7\"", {2027, 2, 23}));
        QTest::newRow("ours no longer wanted: deleted from the first day on, history kept")
            << stale << AllConfirmed()
            << QStringList{"delete /kim/duty/gone@d.ics \"9\"",
                           "delete /kim/duty/edge@d.ics \"8\""};
        QList<HeldEvent> others = AllHeld();
        others.append({"/kim/duty/phone.ics", "\"p\"", "phone-1@example", false, {2027, 3, 20}});
        others[0].ours = false; // a@d.ics: another client's event with our UID, not ours
        QTest::newRow("another client's events untouched, even under our name")
            << others << AllConfirmed() << QStringList{"create /kim/duty/a@d-2.ics"};
        QList<HeldEvent> twice = AllHeld();
        twice.append({"/kim/duty/copy-of-b.ics", "\"4\"", "b@d", true, {2027, 3, 9}});
        QTest::newRow("a second copy of ours deleted")
            << twice << AllConfirmed() << QStringList{"delete /kim/duty/copy-of-b.ics \"4\""};
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
        held.append(Ours("gone@d", "\"9\"", {2027, 3, 20}));
        ConfirmedEvents confirmed = AllConfirmed();
        confirmed[kPrefix + "b@d.ics"].hash = "old";
        const QList<PublishStep> steps = PublishPlan(Wanted(), held, confirmed, kPrefix);
        QCOMPARE(steps.size(), 3);
        QCOMPARE(steps[0].ics, QByteArray("ICS-A"));
        QCOMPARE(steps[0].hash, QByteArray("hash-a"));
        QCOMPARE(steps[1].ics, QByteArray("ICS-B"));
        QCOMPARE(steps[1].uid, QByteArray("b@d"));
        QVERIFY(steps[2].ics.isEmpty());
    }

    void changesWaiting_data() {
        QTest::addColumn<ConfirmedEvents>("confirmed");
        QTest::addColumn<int>("waiting");
        QTest::newRow("nothing confirmed") << ConfirmedEvents() << 3;
        QTest::newRow("all confirmed") << AllConfirmed() << 0;
        ConfirmedEvents changed = AllConfirmed();
        changed[kPrefix + "a@d.ics"].hash = "old";
        changed[kPrefix + "x@d.ics"] = {"\"x\"", "x@d", "hash-x", {2027, 3, 25}};
        changed[kPrefix + "old@d.ics"] = {"\"o\"", "old@d", "hash-o", {2027, 1, 5}};
        QTest::newRow("one changed, one to delete, history aside") << changed << 2;
    }
    void changesWaiting() {
        QFETCH(ConfirmedEvents, confirmed);
        QFETCH(int, waiting);
        QCOMPARE(ChangesWaiting(Wanted(), confirmed), waiting);
    }
};

QTEST_GUILESS_MAIN(TestPublishPlan)
#include "test_publish_plan.moc"
