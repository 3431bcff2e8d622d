#include "schedule/crew.h"

#include <QTest>

using namespace dutyloop;

class TestCrew : public QObject {
    Q_OBJECT
private slots:
    // The entry of the crew the calendar follows; empty where it follows none.
    void crewFollowing_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QString>("entry");
        QTest::newRow("an entry of the list") << "5 TFS"
                                              << "5 TFS";
        QTest::newRow("other spelling, same first character") << "5tfs"
                                                              << "5 TFS";
        QTest::newRow("a lone digit") << "7"
                                      << "7 SSM";
        QTest::newRow("agency-wide entry") << "Tornvale"
                                           << "";
        QTest::newRow("empty text") << ""
                                    << "";
        QTest::newRow("leading blank") << " 1 SMT"
                                       << "";
        QTest::newRow("digit 0") << "0 XYZ"
                                 << "";
        QTest::newRow("digit 8") << "8 XYZ"
                                 << "";
        QTest::newRow("full-width digit one") << QString::fromUtf8("１ SMT") << "";
    }
    void crewFollowing() {
        QFETCH(QString, assignment);
        QFETCH(QString, entry);
        const std::optional<Crew> crew = CrewFollowing(assignment);
        QCOMPARE(crew ? crew->entry : QString(), entry);
        // A list of crews alone offers the first crew where the assignment follows none.
        QCOMPARE(CrewOfferedFor(assignment).entry,
                 entry.isEmpty() ? QStringLiteral("1 SMT") : entry);
    }

    void crewNamed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("entry");
        QTest::newRow("the entry") << "3 TWT"
                                   << "3 TWT";
        QTest::newRow("any letter case, blanks around") << " 3 twt "
                                                        << "3 TWT";
        QTest::newRow("the digit alone") << "3"
                                         << "3 TWT";
        QTest::newRow("another spelling is no name") << "3twt"
                                                     << "";
        QTest::newRow("the agency is no crew") << "Tornvale"
                                               << "";
        QTest::newRow("no such digit") << "9"
                                       << "";
    }
    void crewNamed() {
        QFETCH(QString, name);
        QFETCH(QString, entry);
        const std::optional<Crew> crew = CrewNamed(name);
        QCOMPARE(crew ? crew->entry : QString(), entry);
    }

    void assignmentList() {
        QCOMPARE(AssignmentEntries(), (QStringList{"Tornvale", "1 SMT", "2 MTW", "3 TWT", "4 WTF",
                                                   "5 TFS", "6 FSS", "7 SSM"}));
    }
};

QTEST_APPLESS_MAIN(TestCrew)
#include "test_crew.moc"
