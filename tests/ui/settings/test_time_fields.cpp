// The Settings tab's times set with the keys alone: the Tab key comes in and goes on, a time
// typed from wherever the cursor stands is taken whole, and the arrow keys step the hour, or the
// part the cursor has been moved to.

#include "window_fixture.h"

#include "ui/settings/time_field.h"

#include <QSpinBox>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kCrew5At7 = "[Config]\nWorkAssign=5 TFS\n[Duty Hours]\n5 TFS=07:00-19:00\n";

TimeField* DutyStart(MainWindow& window) {
    return Find<TimeField>(ControlsOf(window).settingsPage, "dutyStartField");
}

// The window in `language`'s locale, its Settings tab open.
WindowUnderTest SettingsIn(QLocale::Language language) {
    WindowUnderTest fixture;
    fixture.adjustPlatform = [language](Platform& platform) {
        platform.locale = language == QLocale::German ? QLocale(QLocale::German, QLocale::Germany)
                                                      : platform.locale;
    };
    WriteSettingsFile(fixture, kCrew5At7);
    StartWindow(fixture, QDate(2023, 9, 15));
    OpenTab(*fixture, ControlsOf(*fixture).settingsPage);
    return fixture;
}

// Brings the focus into the field as `way` says: the Tab key from the control before it or
// Shift+Tab from the one after, then maybe the cursor moved to the minutes, or a step of the
// hour.
void ComeIn(MainWindow& window, const QString& way) {
    TimeField* field = DutyStart(window);
    auto* length = Find<QSpinBox>(ControlsOf(window).settingsPage, "dutyLengthField");
    if (way == "Shift+Tab") {
        QVERIFY(TabTo(length));
        QTest::keyClick(length, Qt::Key_Backtab, Qt::ShiftModifier);
    } else {
        QVERIFY(TabTo(field));
    }
    if (way == "the cursor in the minutes") {
        // "7:00 AM": from the end, four characters back.
        QTest::keyClick(field, Qt::Key_End);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(field, Qt::Key_Left);
    } else if (way == "a step") {
        QTest::keyClick(field, Qt::Key_Up);
    }
    QVERIFY(field->hasFocus());
}

} // namespace

class TestTimeFields : public QObject {
    Q_OBJECT
private slots:
    void aTypedTimeIsTakenWhole_data() {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QTime>("taken");
        QTest::addColumn<QString>("shown");
        const auto english = QLocale::English;
        QTest::newRow("Tab, the morning") << english << "Tab"
                                          << "6:30 AM" << QTime(6, 30) << "6:30 AM";
        QTest::newRow("Shift+Tab, from the day's half") << english << "Shift+Tab"
                                                        << "6:30 PM" << QTime(18, 30) << "6:30 PM";
        QTest::newRow("the cursor in the minutes, the 24-hour clock")
            << english << "the cursor in the minutes"
            << "18:30" << QTime(18, 30) << "6:30 PM";
        QTest::newRow("after a step, digits run together") << english << "a step"
                                                           << "630" << QTime(6, 30) << "6:30 AM";
        QTest::newRow("German, a point between") << QLocale::German << "Shift+Tab"
                                                 << "18.30" << QTime(18, 30) << "18:30";
        QTest::newRow("not a time, dropped") << english << "Tab"
                                             << "6:" << QTime(7, 0) << "7:00 AM";
    }
    void aTypedTimeIsTakenWhole() {
        QFETCH(QLocale::Language, language);
        QFETCH(QString, way);
        QFETCH(QString, typed);
        QFETCH(QTime, taken);
        QFETCH(QString, shown);
        WindowUnderTest fixture = SettingsIn(language);
        ComeIn(*fixture, way);
        QTest::keyClicks(DutyStart(*fixture), typed);
        QTest::keyClick(DutyStart(*fixture), Qt::Key_Return);
        QCOMPARE(DutyStart(*fixture)->time(), taken);
        QCOMPARE(DutyStart(*fixture)->text(), shown);
        QCOMPARE(fixture->settings().dutyHours.at(QStringLiteral("5 TFS")).start, taken);
    }

    // Leaving the field takes the time as Enter does; Escape gives back the one before.
    void aTypedTimeIsTakenOnLeavingAndDroppedWithEscape() {
        WindowUnderTest fixture = SettingsIn(QLocale::English);
        TimeField* field = DutyStart(*fixture);
        ComeIn(*fixture, "Tab");
        QTest::keyClicks(field, "8:15 AM");
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(field->text(), QStringLiteral("7:00 AM"));
        QTest::keyClicks(field, "8:15 AM");
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(field->time(), QTime(8, 15));
    }

    // The Tab key goes on from the field rather than through its parts.
    void theTabKeyPassesThrough_data() {
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QString>("reached");
        QTest::newRow("Tab") << false << "dutyLengthField";
        QTest::newRow("Shift+Tab") << true << "holidaysBox";
    }
    void theTabKeyPassesThrough() {
        QFETCH(bool, backwards);
        QFETCH(QString, reached);
        WindowUnderTest fixture = SettingsIn(QLocale::English);
        ComeIn(*fixture, "Tab");
        if (backwards)
            QTest::keyClick(DutyStart(*fixture), Qt::Key_Backtab, Qt::ShiftModifier);
        else
            QTest::keyClick(DutyStart(*fixture), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), reached);
    }

    // Coming in, Up steps the hour; moved to the minutes or the day's half, it steps those, and
    // past midnight the clock goes round.
    void theArrowsStepThePartAtTheCursor_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QTime>("stepped");
        QTest::newRow("the hour") << QList<int>{Qt::Key_Up, Qt::Key_Up} << QTime(9, 0);
        QTest::newRow("round midnight")
            << QList<int>{Qt::Key_PageDown} << QTime(21, 0); // ten hours back from 7:00
        QTest::newRow("the minutes") << QList<int>{Qt::Key_End,  Qt::Key_Left, Qt::Key_Left,
                                                   Qt::Key_Left, Qt::Key_Left, Qt::Key_Down}
                                     << QTime(6, 59);
        QTest::newRow("the day's half") << QList<int>{Qt::Key_End, Qt::Key_Up} << QTime(19, 0);
    }
    void theArrowsStepThePartAtTheCursor() {
        QFETCH(QList<int>, keys);
        QFETCH(QTime, stepped);
        WindowUnderTest fixture = SettingsIn(QLocale::English);
        ComeIn(*fixture, "Tab");
        for (int key : keys)
            QTest::keyClick(DutyStart(*fixture), Qt::Key(key));
        QCOMPARE(DutyStart(*fixture)->time(), stepped);
    }
};

QTEST_MAIN(TestTimeFields)
#include "test_time_fields.moc"
