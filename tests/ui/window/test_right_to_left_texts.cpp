// Texts of a right-to-left window: crew names, counts and paths each one left-to-right run
// among the words, and one kind of digits throughout.

#include "right_to_left.h"

#include "ui/settings/export_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <QStyleOptionMenuItem>
#include <QStyleOptionViewItem>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

// The text between LEFT-TO-RIGHT ISOLATE and POP DIRECTIONAL ISOLATE.
QString Isolated(const QString& run) {
    return QChar(0x2066) + run + QChar(0x2069);
}

// A number in Arabic-Indic digits, written out by hand: U+0660 is zero.
QString ArabicIndic(const char* latin) {
    QString digits;
    for (const char* c = latin; *c; ++c)
        digits += QChar(0x0660 + (*c - '0'));
    return digits;
}

// Presses Export on the Settings tab and takes the dialog's proposal with OK.
void ExportAsProposed(MainWindow& window) {
    OpenTab(window, ControlsOf(window).settingsPage);
    const OnNextModal<ExportDialog> accept([](ExportDialog* dialog) {
        Click(Find<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok));
    });
    Click(ControlsOf(window).exportButton);
    QVERIFY(accept.happened());
}

// The text the window shows or says at `where`.
QString TextAt(MainWindow& window, const QString& where) {
    const Controls c = ControlsOf(window);
    if (where == "title")
        return c.title->text();
    if (where == "month counts")
        return c.monthLabel->toolTip();
    // 1 September 2023, whose tooltip names the crews on duty that day.
    const CellLook& day = window.monthPage().cells[5];
    if (where == "a day's tooltip")
        return day.date == QDate(2023, 9, 1) ? day.toolTip : QString();
    if (where == "who is on duty, to a screen reader")
        return day.date == QDate(2023, 9, 1) ? day.accessibleDescription : QString();
    if (where == "the duty's start, to a screen reader")
        return Find<QWidget>(c.settingsPage, "dutyStartField")->accessibleName();
    ExportAsProposed(window);
    return Find<QLabel>(c.settingsPage, "exportMessage")->text();
}

// Remembers the text a closed list's label is last drawn with, and its entries' texts.
class LabelRecorder : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
            box && element == CE_ComboBoxLabel)
            m_drawn = box->currentText;
        if (const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option))
            m_entries << item->text;
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
            m_entries << item->text;
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    QString drawn() const { return m_drawn; }
    QStringList entries() const { return m_entries; }

private:
    mutable QString m_drawn;
    mutable QStringList m_entries;
};

} // namespace

class TestRightToLeftTexts : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }

    // One kind of digits in a window: the grid, the date field, the status line, the month's
    // name and its counts all write numbers alike, Arabic-Indic in Arabic and Latin in Hebrew;
    // and the date field keeps the date's parts in the locale's order, the day first.
    void digitsAndDatesAsTheLocaleWrites_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("dayNumber");
        QTest::newRow("Arabic") << kArabic << ArabicIndic("15");
        QTest::newRow("Hebrew") << kHebrew << "15";
    }
    void digitsAndDatesAsTheLocaleWrites() {
        QFETCH(QLocale, locale);
        QFETCH(QString, dayNumber);
        auto window = RightToLeftWindow(locale);
        const Controls c = ControlsOf(*window);
        QCOMPARE(window->monthPage().cells[14].text, dayNumber); // 15 October 2023
        const QString written = locale.toString(QDate(2023, 10, 15), c.dateField->displayFormat());
        QCOMPARE(c.dateField->text(), written);
        QVERIFY2(c.dateField->text().startsWith(dayNumber), qPrintable(c.dateField->text()));
        // Three months on, the month's name carries its year.
        for (int month = 0; month < 3; ++month)
            Click(c.nextMonth);
        QCOMPARE(window->view().shownDate.year(), 2024);
        const bool arabic = dayNumber != "15";
        static const QRegularExpression latin(QStringLiteral("[0-9]"));
        static const QRegularExpression arabicIndic(QStringLiteral("[\\x{0660}-\\x{0669}]"));
        const QRegularExpression& other = arabic ? latin : arabicIndic;
        const QRegularExpression& own = arabic ? arabicIndic : latin;
        const std::pair<const char*, QString> texts[] = {
            {"date field", c.dateField->text()}, {"status line", c.status->text()},
            {"month", c.monthLabel->text()},     {"month, spoken", c.monthLabel->accessibleName()},
            {"counts", c.monthLabel->toolTip()}, {"a day", window->monthPage().cells[10].text}};
        for (const auto& [where, text] : texts) {
            QVERIFY2(text.contains(own) && !text.contains(other),
                     qPrintable(QStringLiteral("%1: %2").arg(where, text)));
        }
    }

    // A crew's name, a count and a path each stay one left-to-right run among the words of a
    // right-to-left window: "5 TFS" never shows as "TFS 5", nor "12 work days" as "work days 12".
    // Crew 5 TFS works 12 days of December 2026 and 157 from January; 5 TFS, 6 FSS and 7 SSM work
    // on 1 September 2023 (counted by hand from the rotation's table).
    void crewsAndNumbersStayWhole_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("runs"); // each in the text, isolated
        const QDate december(2026, 12, 10);
        const QDate september(2023, 9, 15);
        QTest::newRow("the title") << kArabic << december << "title" << QStringList{"5 TFS"};
        QTest::newRow("the month's counts, Arabic digits")
            << kArabic << december << "month counts"
            << QStringList{ArabicIndic("12"), ArabicIndic("19"), ArabicIndic("157"),
                           ArabicIndic("208")};
        QTest::newRow("the month's counts, Latin digits")
            << kHebrew << december << "month counts" << QStringList{"12", "19", "157", "208"};
        QTest::newRow("a day's tooltip")
            << kHebrew << september << "a day's tooltip" << QStringList{"5 TFS", "6 FSS", "7 SSM"};
        QTest::newRow("who is on duty, to a screen reader")
            << kArabic << september << "who is on duty, to a screen reader"
            << QStringList{"5 TFS", "6 FSS", "7 SSM"};
        QTest::newRow("the duty's start, to a screen reader")
            << kHebrew << december << "the duty's start, to a screen reader"
            << QStringList{"5 TFS"};
        // 57 runs of work days for twelve months from September 2023, counted by hand.
        QTest::newRow("the file an export wrote")
            << kHebrew << september << "export" << QStringList{"57", "<config>/Dutyloop 5 TFS.ics"};
    }
    void crewsAndNumbersStayWhole() {
        QFETCH(QLocale, locale);
        QFETCH(QDate, today);
        QFETCH(QString, where);
        QFETCH(QStringList, runs);
        auto window = RightToLeftWindow(locale, today);
        const QString text = TextAt(*window, where);
        for (QString run : runs) {
            run.replace("<config>", window.configFolder->path());
            QVERIFY2(text.contains(Isolated(run)), qPrintable(text));
        }
        // Nothing else is isolated: each mark opens one of the runs above and is closed.
        QCOMPARE(text.count(QChar(0x2066)), runs.size());
        QCOMPARE(text.count(QChar(0x2069)), runs.size());
    }

    // The crew list on the Settings tab draws "5 TFS" as one left-to-right run in a right-to-left
    // window, and as it is in a left-to-right one; what it holds stays the crew's name.
    void theCrewListDrawsTheNameWhole_data() {
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("right to left") << true;
        QTest::newRow("left to right") << false;
    }
    void theCrewListDrawsTheNameWhole() {
        QFETCH(bool, rightToLeft);
        const WindowUnderTest window =
            rightToLeft ? RightToLeftWindow(kArabic)
                        : ShownWindow(QDate(2023, 10, 15), "[Config]\nWorkAssign=5 TFS\n");
        OpenTab(*window, ControlsOf(*window).settingsPage);
        QComboBox* list = ControlsOf(*window).assignment;
        LabelRecorder recorder;
        list->setStyle(&recorder);
        list->view()->setStyle(&recorder);
        list->grab();
        const QString drawn = rightToLeft ? Isolated("5 TFS") : QStringLiteral("5 TFS");
        QCOMPARE(recorder.drawn(), drawn);
        // The drop-down list's entries too, as it opens.
        OpenList(list);
        list->view()->viewport()->grab();
        QTest::keyClick(list->view(), Qt::Key_Escape);
        QVERIFY2(recorder.entries().contains(drawn), qPrintable(recorder.entries().join(u'|')));
        QCOMPARE(list->currentText(), QStringLiteral("5 TFS"));
        list->view()->setStyle(nullptr);
        list->setStyle(nullptr);
    }

    // Where the window reads from left to right, the same texts carry no marks.
    void noMarksLeftToRight() {
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        WindowUnderTest window;
        window.adjustPlatform = [](Platform& platform) { platform.locale = kArabic; };
        WriteSettingsFile(window, "[Config]\nWorkAssign=5 TFS\n");
        StartWindow(window, QDate(2023, 9, 15));
        for (const char* where : {"title", "month counts", "a day's tooltip"}) {
            const QString text = TextAt(*window, where);
            QVERIFY2(!text.contains(QChar(0x2066)) && !text.contains(QChar(0x2069)),
                     qPrintable(text));
        }
    }
};

QTEST_MAIN(TestRightToLeftTexts)
#include "test_right_to_left_texts.moc"
