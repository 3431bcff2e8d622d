#include "schedule/day_changes.h"

#include <QTest>

using namespace dutyloop;

Q_DECLARE_METATYPE(DayChangeKind)
Q_DECLARE_METATYPE(DutyCode)

namespace {

// 3 TWT, read off the pattern table from its anchor Monday 2013-12-09: Saturday 2023-09-09 is a
// work day, Tuesday 2023-09-12 an off day, and 2013-12-01 lies before the rotation starts.
const QDate kAnchor = QDate(2013, 12, 9);
const QDate kWorkDay = QDate(2023, 9, 9);
const QDate kOffDay = QDate(2023, 9, 12);
const QDate kNoRotationDay = QDate(2013, 12, 1);

} // namespace

class TestDayChanges : public QObject {
    Q_OBJECT
private slots:
    void theRotationAsTheTestKnowsIt() {
        QCOMPARE(DutyCodeFor(kWorkDay, kAnchor), DutyCode::Work);
        QCOMPARE(DutyCodeFor(kOffDay, kAnchor), DutyCode::Off);
        QCOMPARE(DutyCodeFor(kNoRotationDay, kAnchor), DutyCode::NoRotation);
    }

    void effectiveDuty_data() {
        QTest::addColumn<DayChangeKind>("kind");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<DutyCode>("duty");
        QTest::addColumn<bool>("holds"); // whether the change counts on that day

        const struct {
            const char* name;
            DayChangeKind kind;
            DutyCode onWork;
            bool holdsOnWork;
            DutyCode onOff;
            bool holdsOnOff;
        } rows[] = {
            {"as rostered with a note", DayChangeKind::AsRostered, DutyCode::Work, true,
             DutyCode::Off, true},
            {"leave", DayChangeKind::Leave, DutyCode::Off, true, DutyCode::Off, true},
            {"sick", DayChangeKind::Sick, DutyCode::Off, true, DutyCode::Off, true},
            {"swapped off", DayChangeKind::SwappedOff, DutyCode::Off, true, DutyCode::Off, false},
            {"extra duty", DayChangeKind::ExtraDuty, DutyCode::Work, false, DutyCode::Work, true},
        };
        for (const auto& row : rows) {
            QTest::addRow("%s on a work day", row.name)
                << row.kind << kWorkDay << row.onWork << row.holdsOnWork;
            QTest::addRow("%s on an off day", row.name)
                << row.kind << kOffDay << row.onOff << row.holdsOnOff;
            QTest::addRow("%s before the rotation starts", row.name)
                << row.kind << kNoRotationDay << DutyCode::NoRotation << false;
        }
    }
    void effectiveDuty() {
        QFETCH(DayChangeKind, kind);
        QFETCH(QDate, date);
        QFETCH(DutyCode, duty);
        QFETCH(bool, holds);
        const DayChange change{kind, QStringLiteral("a note")};
        // Changes on the days around it must not leak into it.
        const DayChanges changes{{date.addDays(-1), {DayChangeKind::Leave, {}}},
                                 {date, change},
                                 {date.addDays(1), {DayChangeKind::ExtraDuty, {}}}};
        QCOMPARE(EffectiveDutyFor(date, kAnchor, changes), duty);
        QCOMPARE(ChangeFits(kind, DutyCodeFor(date, kAnchor)), holds);
        const DayChange held = ChangeOn(date, kAnchor, changes);
        QCOMPARE(held.kind, holds ? kind : DayChangeKind::AsRostered);
        // Before the rotation starts a note does not count either; elsewhere it stays.
        QCOMPARE(held.note, date == kNoRotationDay ? QString() : change.note);
    }

    void aDayWithoutChangeKeepsItsDuty() {
        const DayChanges none;
        for (QDate day = kWorkDay.addDays(-30); day < kWorkDay.addDays(30); day = day.addDays(1))
            QCOMPARE(EffectiveDutyFor(day, kAnchor, none), DutyCodeFor(day, kAnchor));
    }

    void cleanNote_data() {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("clean");
        QTest::newRow("plain") << "Dentist at 10"
                               << "Dentist at 10";
        QTest::newRow("blanks around") << "  Dentist \t"
                                       << "Dentist";
        QTest::newRow("line breaks become spaces") << "Dentist\r\nat 10\u2028later"
                                                   << "Dentist  at 10 later";
        QTest::newRow("a NUL and an escape") << QString::fromUtf16(u"a\0b\x1B"
                                                                   "c",
                                                                   5)
                                             << "a b c";
        QTest::newRow("cut to 300") << QString(310, u'x') << QString(300, u'x');
        // A character the reader sees as one is kept whole at the cut, or not at all.
        QTest::newRow("an emoji across the cut")
            << QString(299, u'x') + QString::fromUtf8("\U0001F600") << QString(299, u'x');
        QTest::newRow("an emoji that ends at the limit")
            << QString(298, u'x') + QString::fromUtf8("\U0001F600")
            << QString(298, u'x') + QString::fromUtf8("\U0001F600");
        QTest::newRow("e and its combining accent across the cut")
            << QString(299, u'x') + QString::fromUtf8("e\u0301") << QString(299, u'x');
        QTest::newRow("a flag across the cut")
            << QString(298, u'x') + QString::fromUtf8("\U0001F1E9\U0001F1EA") << QString(298, u'x');
        QTest::newRow("a family of three joined emoji across the cut")
            << QString(295, u'x') + QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467")
            << QString(295, u'x');
        QTest::newRow("half an emoji, as a field cut it, is no character")
            << QString(299, u'x') + QChar(0xD83D) << QString(299, u'x');
        QTest::newRow("a cut that ends at a blank")
            << QString(299, u'x') + QStringLiteral(" yz") << QString(299, u'x');
        QTest::newRow("direction controls go, right-to-left text stays")
            << QString::fromUtf8("\u202EDentist\u202C at \u2067\u05D0\u05D1\u2069 10"
                                 "\u200E\u200F\u061C\u202A\u202B\u202D\u2066\u2068")
            << QString::fromUtf8("Dentist at \u05D0\u05D1 10");
        QTest::newRow("only blanks") << "   "
                                     << "";
    }
    void cleanNote() {
        QFETCH(QString, note);
        QFETCH(QString, clean);
        QCOMPARE(CleanNote(note), clean);
    }
};

QTEST_APPLESS_MAIN(TestDayChanges)
#include "test_day_changes.moc"
