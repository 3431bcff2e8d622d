// The days file: what is read from it, what one change does to it, and that whatever else it
// holds, however broken, is never lost.

#include "byte_helpers.h"
#include "settings/day_changes_file.h"

#include <QRandomGenerator>
#include <QTest>
#include <string_view>

using namespace dutyloop;
using namespace std::string_view_literals;

namespace {

QByteArray TenMegabytes() {
    QByteArray text = "[Other]\r\n";
    const QByteArray filler = "Filler=a line that another program keeps in this file\r\n";
    text.reserve(10 * 1024 * 1024 + 200);
    while (text.size() < 10 * 1024 * 1024)
        text += filler;
    return text + "[Days 3 TWT]\r\n2023-09-18=sick\r\n";
}

// The lines of a text without their endings, so that a test can say which were added or gone.
QByteArrayList LinesOf(const QByteArray& text) {
    QByteArrayList lines = text.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

class TestDayChangesFile : public QObject {
    Q_OBJECT
private slots:
    void reading_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<DayChanges>("changes");
        const DayChange leave{DayChangeKind::Leave, "Dentist at 10"};
        QTest::newRow("each kind")
            << QByteArray("[Days 3 TWT]\n2023-09-18=leave;Dentist at 10\n2023-09-19=sick\n"
                          "2023-09-20=swapped\n2023-09-21=extra;Cover for Ben\n"
                          "2023-09-22=rostered;Call Anna\n")
            << "3 TWT"
            << DayChanges{{QDate(2023, 9, 18), leave},
                          {QDate(2023, 9, 19), {DayChangeKind::Sick, {}}},
                          {QDate(2023, 9, 20), {DayChangeKind::SwappedOff, {}}},
                          {QDate(2023, 9, 21), {DayChangeKind::ExtraDuty, "Cover for Ben"}},
                          {QDate(2023, 9, 22), {DayChangeKind::AsRostered, "Call Anna"}}};
        QTest::newRow("the crew however the assignment is spelt, names in any case")
            << QByteArray("[days 3 twt]\n2023-09-18 = LEAVE ; Dentist at 10\n") << "3twt"
            << DayChanges{{QDate(2023, 9, 18), leave}};
        QTest::newRow("another crew's days are not read")
            << QByteArray("[Days 2 MTW]\n2023-09-18=leave\n[Days 3 TWT]\n2023-09-19=sick\n")
            << "2 MTW" << DayChanges{{QDate(2023, 9, 18), {DayChangeKind::Leave, {}}}};
        QTest::newRow("a note keeps its ';' and '='")
            << QByteArray("[Days 3 TWT]\n2023-09-18=leave;a=b;c\n") << "3 TWT"
            << DayChanges{{QDate(2023, 9, 18), {DayChangeKind::Leave, "a=b;c"}}};
        QTest::newRow("byte-order mark, CRLF, comments and blank lines")
            << QByteArray("\xEF\xBB\xBF[Days 3 TWT]\r\n; mine\r\n\r\n2023-09-18=leave;"
                          "Dentist at 10\r\n")
            << "3 TWT" << DayChanges{{QDate(2023, 9, 18), leave}};
        QTest::newRow("dates that are none, or in another form, are skipped")
            << QByteArray("[Days 3 TWT]\n2023-02-29=leave\n2023-9-18=leave\n0000-01-01=leave\n"
                          "2023-13-01=leave\n2023-09-00=leave\n10000-01-01=leave\n"
                          "20230918=leave\n2023-09-1x=leave\n2024-02-29=sick\n")
            << "3 TWT" << DayChanges{{QDate(2024, 2, 29), {DayChangeKind::Sick, {}}}};
        QTest::newRow("unknown kinds and empty values are skipped")
            << QByteArray("[Days 3 TWT]\n2023-09-18=holiday;x\n2023-09-19=\n2023-09-20=rostered\n"
                          "2023-09-21=rostered;\n2023-09-22=;note\n")
            << "3 TWT" << DayChanges{};
        QTest::newRow("duplicate keys and sections: the first wins")
            << QByteArray("[Days 3 TWT]\n2023-09-18=leave;Dentist at 10\n2023-09-18=sick\n"
                          "[Days 3 TWT]\n2023-09-19=sick\n")
            << "3 TWT" << DayChanges{{QDate(2023, 9, 18), leave}};
        QTest::newRow("NUL bytes and broken UTF-8 in a note")
            << Bytes("[Days 3 TWT]\n2023-09-18=leave;a\0b\xFF"
                     "c\n"sv)
            << "3 TWT"
            << DayChanges{
                   {QDate(2023, 9, 18), {DayChangeKind::Leave, QString::fromUtf8("a b\uFFFDc")}}};
        QTest::newRow("a note of 5,000 characters is cut")
            << QByteArray("[Days 3 TWT]\n2023-09-18=leave;" + QByteArray(5000, 'x') + "\n")
            << "3 TWT"
            << DayChanges{{QDate(2023, 9, 18), {DayChangeKind::Leave, QString(300, u'x')}}};
        QTest::newRow("10 MB of another program's keys")
            << TenMegabytes() << "3 TWT"
            << DayChanges{{QDate(2023, 9, 18), {DayChangeKind::Sick, {}}}};
        // Written by hand, they would turn round whatever shows the note after them.
        QTest::newRow("a note's direction controls are not read")
            << QByteArray("[Days 3 TWT]\n2023-09-18=leave;\xE2\x80\xAE"
                          "01 ta\xE2\x81\xA6"
                          "Dentist\xE2\x81\xA9\n")
            << "3 TWT" << DayChanges{{QDate(2023, 9, 18), {DayChangeKind::Leave, "01 taDentist"}}};
        QTest::newRow("nothing counts under the agency-wide entry, which no change fits")
            << QByteArray("[Days Tornvale]\n2101-01-05=leave\n") << "Tornvale" << DayChanges{};
    }
    void reading() {
        QFETCH(QByteArray, text);
        QFETCH(QString, assignment);
        QFETCH(DayChanges, changes);
        QCOMPARE(DayChangesFromText(text, assignment), changes);
    }

    void writing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<DayChange>("change");
        QTest::addColumn<QByteArray>("written");
        const QDate day = QDate(2023, 9, 18);
        QTest::newRow("into no file")
            << QByteArray() << day << DayChange{DayChangeKind::Leave, "Dentist at 10"}
            << QByteArray("[Days 3 TWT]\n2023-09-18=leave;Dentist at 10\n");
        QTest::newRow("a note alone")
            << QByteArray() << day << DayChange{DayChangeKind::AsRostered, "Call Anna"}
            << QByteArray("[Days 3 TWT]\n2023-09-18=rostered;Call Anna\n");
        QTest::newRow("after the section's days, other sections and comments kept")
            << QByteArray("; by hand\r\n[Other]\r\nx=1\r\n[Days 3 TWT]\r\n2023-09-01=sick\r\n"
                          "\r\n[Days 2 MTW]\r\n2023-09-18=extra\r\n")
            << day << DayChange{DayChangeKind::SwappedOff, {}}
            << QByteArray("; by hand\r\n[Other]\r\nx=1\r\n[Days 3 TWT]\r\n2023-09-01=sick\r\n"
                          "2023-09-18=swapped\r\n\r\n[Days 2 MTW]\r\n2023-09-18=extra\r\n");
        QTest::newRow("a day changed again keeps its line's place and spacing")
            << QByteArray("[Days 3 TWT]\n2023-09-18 = sick\n2023-09-19=leave\n") << day
            << DayChange{DayChangeKind::ExtraDuty, "Cover"}
            << QByteArray("[Days 3 TWT]\n2023-09-18 = extra;Cover\n2023-09-19=leave\n");
        QTest::newRow("removed: the day's lines go, doubles too, nothing else")
            << QByteArray("[Days 3 TWT]\n2023-09-18=sick\n2023-09-19=leave\n2023-09-18=leave\n"
                          "[Days 2 MTW]\n2023-09-18=extra\n")
            << day << DayChange{}
            << QByteArray("[Days 3 TWT]\n2023-09-19=leave\n[Days 2 MTW]\n2023-09-18=extra\n");
        QTest::newRow("removing a day that has no line changes nothing")
            << QByteArray("[Days 3 TWT]\n2023-09-19=leave") << day << DayChange{}
            << QByteArray("[Days 3 TWT]\n2023-09-19=leave");
        QTest::newRow("a note with a line break and blanks is written as one line")
            << QByteArray() << day << DayChange{DayChangeKind::Leave, " two\nlines "}
            << QByteArray("[Days 3 TWT]\n2023-09-18=leave;two lines\n");
        QTest::newRow("a year before 1000 keeps four digits")
            << QByteArray() << QDate(999, 1, 2) << DayChange{DayChangeKind::Leave, {}}
            << QByteArray("[Days 3 TWT]\n0999-01-02=leave\n");
    }
    void nothingIsWrittenUnderTheAgencyWideEntry() {
        const QByteArray text = "[Days 3 TWT]\n2101-01-05=sick\n";
        QCOMPARE(TextWithDayChange(text, QStringLiteral("Tornvale"), QDate(2101, 1, 5),
                                   {DayChangeKind::Leave, {}}),
                 text);
        QCOMPARE(AllDayChangesFromText("[Days Tornvale]\n2101-01-05=leave\n"),
                 DayChangesBySection());
    }

    void writing() {
        QFETCH(QByteArray, text);
        QFETCH(QDate, date);
        QFETCH(DayChange, change);
        QFETCH(QByteArray, written);
        const QByteArray result = TextWithDayChange(text, QStringLiteral("3 TWT"), date, change);
        QCOMPARE(result, written);
        const DayChanges read = DayChangesFromText(result, QStringLiteral("3 TWT"));
        if (change == DayChange())
            QVERIFY(!read.contains(date));
        else
            QCOMPARE(read.at(date), DayChange({change.kind, CleanNote(change.note)}));
    }

    // Whatever the file holds, a change adds one line, or changes one, and every other byte
    // stays; the change then reads back.
    void hostileFilesLoseNothing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("random bytes") << RandomBytes(256 * 1024, 20240917);
        QTest::newRow("random bytes, then days")
            << RandomBytes(64 * 1024, 7) + "\n[Days 3 TWT]\n2023-09-01=sick\n";
        QTest::newRow("NUL bytes between lines and inside values")
            << Bytes("\0\0\n[Days 3 TWT]\n2023-09-01=si\0ck\n\0\n2023-09-02=leave;\0\n"sv);
        QTest::newRow("invalid UTF-8 around the section")
            << QByteArray("\xC3\x28\xFF\n[Days 3 TWT]\n\xE2\x82\n2023-09-01=leave;\xF0\x9F\n");
        QTest::newRow("CRLF file cut off after the CR of its last line")
            << QByteArray("[Days 3 TWT]\r\n2023-09-01=sick\r");
        QTest::newRow("duplicate sections and keys")
            << QByteArray("[Days 3 TWT]\n2023-09-01=sick\n2023-09-01=leave\n[Days 3 TWT]\n"
                          "2023-09-18=leave\n");
        QTest::newRow("key lines without '=' and a line of 100,000 bytes")
            << QByteArray("[Days 3 TWT]\njunk\n2023-09-02\n" + QByteArray(100000, 'y') + "\n");
        QTest::newRow("10 MB of another program's keys") << TenMegabytes();
    }
    void hostileFilesLoseNothing() {
        QFETCH(QByteArray, text);
        const QDate day = QDate(2023, 9, 25);
        const DayChange change{DayChangeKind::Leave, "Dentist at 10"};
        const QByteArray written = TextWithDayChange(text, QStringLiteral("3 TWT"), day, change);
        QCOMPARE(DayChangesFromText(written, QStringLiteral("3 TWT")).at(day), change);
        // Taking the new line out again gives back every byte there was.
        const QByteArray removed = TextWithDayChange(written, QStringLiteral("3 TWT"), day, {});
        QByteArrayList before = LinesOf(text);
        QByteArrayList after = LinesOf(written);
        after.removeOne("2023-09-25=leave;Dentist at 10");
        after.removeOne("[Days 3 TWT]");
        before.removeOne("[Days 3 TWT]");
        before.removeAll({});
        after.removeAll({});
        QCOMPARE(after, before);
        QVERIFY(removed.startsWith(text.left(text.size() - 1)));
    }
};

QTEST_APPLESS_MAIN(TestDayChangesFile)
#include "test_day_changes_file.moc"
