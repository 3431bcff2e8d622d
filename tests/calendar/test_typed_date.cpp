// A date read as the user types it, in the locale's short format or as ISO.

#include "calendar/typed_date.h"

#include <QTest>

using namespace dutyloop;

Q_DECLARE_METATYPE(TypedDate::State)

class TestTypedDate : public QObject {
    Q_OBJECT
private slots:
    void reads_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        QTest::addColumn<TypedDate::State>("state");
        QTest::addColumn<QDate>("date");
        const auto wrong = TypedDate::State::Wrong;
        const auto unfinished = TypedDate::State::Unfinished;
        const auto whole = TypedDate::State::Whole;
        const QString german = "dd.MM.yyyy";
        const QString american = "M/d/yyyy";
        const QString french = "dd/MM/yyyy";
        QTest::newRow("German, whole") << "24.12.2026" << german << whole << QDate(2026, 12, 24);
        QTest::newRow("German, one-digit day and month")
            << "1.2.2027" << german << whole << QDate(2027, 2, 1);
        QTest::newRow("German, halfway") << "24.12." << german << unfinished << QDate();
        QTest::newRow("German, year not yet whole")
            << "24.12.202" << german << unfinished << QDate();
        QTest::newRow("German, a slash") << "24/12" << german << wrong << QDate();
        QTest::newRow("German, three-digit month") << "24.123" << german << wrong << QDate();
        QTest::newRow("American, month first")
            << "12/24/2026" << american << whole << QDate(2026, 12, 24);
        QTest::newRow("French, day first")
            << "10/12/2026" << french << whole << QDate(2026, 12, 10);
        QTest::newRow("a day February has not") << "30.02.2027" << german << whole << QDate();
        QTest::newRow("ISO in a German field")
            << "2026-12-24" << german << whole << QDate(2026, 12, 24);
        QTest::newRow("ISO halfway") << "2026-1" << german << unfinished << QDate();
        QTest::newRow("ISO with a one-digit month") << "2026-1-05" << german << wrong << QDate();
        QTest::newRow("a two-digit year is this century")
            << "24.12.26"
            << "dd.MM.yy" << whole << QDate(2026, 12, 24);
        QTest::newRow("Arabic-Indic digits")
            << QString::fromUtf8("٢٤/١٢/٢٠٢٦") << french << whole << QDate(2026, 12, 24);
        QTest::newRow("letters") << "24.Dez" << german << wrong << QDate();
        QTest::newRow("trailing text") << "24.12.2026x" << german << wrong << QDate();
        QTest::newRow("nothing yet") << "" << german << unfinished << QDate();
    }
    void reads() {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(TypedDate::State, state);
        QFETCH(QDate, date);
        const TypedDate typed = ReadTypedDate(text, format);
        QCOMPARE(typed.state, state);
        QCOMPARE(typed.date, date);
    }

    void numericFormats_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("German") << "dd.MM.yyyy" << true;
        QTest::newRow("Hebrew") << "d.M.yyyy" << true;
        QTest::newRow("a month name") << "d MMM yyyy" << false;
        QTest::newRow("no year") << "dd.MM." << false;
    }
    void numericFormats() {
        QFETCH(QString, format);
        QFETCH(bool, numeric);
        QCOMPARE(IsNumericDateFormat(format), numeric);
    }
};

QTEST_APPLESS_MAIN(TestTypedDate)
#include "test_typed_date.moc"
