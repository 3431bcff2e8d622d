// What a German, a French and an American user each expect of a window in their own language,
// beyond the words: the first day of the week, dates as they write them, colour names and
// counts in their grammar.

#include "window_fixture.h"

#include "calendar/count_texts.h"
#include "file_helpers.h"
#include "platform/translations.h"
#include "ui/settings/duty_export.h"

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QLocale kAmerican(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kFrench(QLocale::French, QLocale::France);
// A language Dutyloop has no words for.
const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);

WindowUnderTest WindowIn(const QLocale& locale, const QByteArray& settings) {
    WindowUnderTest window;
    window.adjustPlatform = [locale](Platform& platform) { platform.locale = locale; };
    WriteSettingsFile(window, settings);
    // 1 December 2026 is a Tuesday: the grid's first cell is 29 November (a Sunday) in weeks
    // from Sunday and 30 November in weeks from Monday.
    StartWindow(window, QDate(2026, 12, 10));
    return window;
}

} // namespace

class TestLanguageConventions : public QObject {
    Q_OBJECT
private slots:
    void firstWeekday_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QDate>("firstCell");
        QTest::addColumn<bool>("switchOn");
        const QByteArray silent = "[Config]\nWorkAssign=5 TFS\n";
        const QByteArray sunday = "[Config]\nWorkAssign=5 TFS\nWeekStartsOnMonday=0\n";
        QTest::newRow("American, no stored key: Sunday")
            << kAmerican << silent << QDate(2026, 11, 29) << false;
        QTest::newRow("German, no stored key: Monday")
            << kGerman << silent << QDate(2026, 11, 30) << true;
        QTest::newRow("French, no stored key: Monday")
            << kFrench << silent << QDate(2026, 11, 30) << true;
        QTest::newRow("German, Sunday stored: kept")
            << kGerman << sunday << QDate(2026, 11, 29) << false;
    }
    void firstWeekday() {
        QFETCH(QLocale, locale);
        QFETCH(QByteArray, settings);
        QFETCH(QDate, firstCell);
        QFETCH(bool, switchOn);
        auto window = WindowIn(locale, settings);
        QCOMPARE(window->view().cellDates[0], firstCell);
        QCOMPARE(ControlsOf(*window).weekStart->isChecked(), switchOn);
        // The date field's drop-down calendar starts its weeks on the same day.
        QCOMPARE(OpenDatePicker(*window)->firstDayOfWeek(),
                 firstCell.dayOfWeek() == 1 ? Qt::Monday : Qt::Sunday);
    }

    // The date field writes the day as the status line does, with the whole year, and takes a
    // date typed so, or as ISO.
    void dateField_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("taken");
        QTest::newRow("American") << kAmerican << "12/10/2026"
                                  << "12/24/2026" << QDate(2026, 12, 24);
        QTest::newRow("German") << kGerman << "10.12.2026"
                                << "24.12.2026" << QDate(2026, 12, 24);
        QTest::newRow("German, one digit") << kGerman << "10.12.2026"
                                           << "1.2.2027" << QDate(2027, 2, 1);
        QTest::newRow("French") << kFrench << "10/12/2026"
                                << "24/12/2026" << QDate(2026, 12, 24);
        QTest::newRow("French, ISO") << kFrench << "10/12/2026"
                                     << "2027-01-05" << QDate(2027, 1, 5);
    }
    void dateField() {
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QDate, taken);
        auto window = WindowIn(locale, "[Config]\nWorkAssign=5 TFS\n");
        const Controls w = ControlsOf(*window);
        QCOMPARE(w.dateField->text(), shown);
        QCOMPARE(w.status->text().section(u'\n', 0, 0), shown);
        QVERIFY(TabTo(w.dateField));
        QTest::keyClicks(w.dateField, typed);
        QTest::keyClick(w.dateField, Qt::Key_Return);
        QCOMPARE(window->view().shownDate, taken);
        QCOMPARE(w.dateField->date(), taken);
    }

    // The colour list in the user's language and alphabet, Null (no colour) last, each of the
    // language's words once; what is saved is the name the settings file has always held.
    void colourList_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("American") << kAmerican << QStringList{"Aliceblue",  "Antiquewhite", "Aqua",
                                                              "Aquamarine", "Azure",        "Beige"}
                                  << "Null" << 148 << "Grey"
                                  << "LPlt=Gray";
        // Gray and Grey are both "Grau", and so on for the six other pairs: 141 entries.
        QTest::newRow("German") << kGerman << QStringList{"Alte Spitze", "Antikweiß", "Aquamarin",
                                                          "Azurweiß",    "Beige",     "Biskuit"}
                                << "Keine Farbe" << 141 << "Grau"
                                << "LPlt=Gray";
        QTest::newRow("French") << kFrench << QStringList{"Aigue-marine", "Aigue-marine moyen",
                                                          "Argent",       "Beige",
                                                          "Bisque",       "Blanc"}
                                << "Aucune couleur" << 141 << "Gris ardoise clair"
                                << "LPlt=Lightslategray";
    }
    void colourList() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, first);
        QFETCH(QString, last);
        QFETCH(int, entries);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        const Translations translations(locale);
        auto window = WindowIn(locale, "[Config]\nWorkAssign=5 TFS\n");
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        Click(w.workColor);
        WaitForList(w.colorPicker);
        const QAbstractItemModel* list = w.colorPicker->view()->model();
        QCOMPARE(list->rowCount(), entries);
        QStringList shown;
        for (int row = 0; row < first.size(); ++row)
            shown << list->index(row, 0).data().toString();
        QCOMPARE(shown, first);
        QCOMPARE(list->index(entries - 1, 0).data().toString(), last);
        // No two colours share a name.
        QHash<QString, QRgb> colourOf;
        for (int row = 0; row < entries; ++row) {
            const QString name = list->index(row, 0).data().toString();
            const QRgb colour = list->index(row, 0).data(Qt::UserRole).toUInt();
            QVERIFY2(colourOf.value(name, colour) == colour, qPrintable(name));
            colourOf.insert(name, colour);
        }

        TypeIntoList(w.colorPicker, typed);
        QTest::keyClick(w.colorPicker->view(), Qt::Key_Return);
        QTRY_VERIFY(w.colorPicker->isHidden());
        Click(w.save);
        QVERIFY2(QString::fromUtf8(ReadBack(window.settingsFolder() + "/dlTornvale.ini"))
                     .split(u'\n')
                     .contains(saved),
                 ReadBack(window.settingsFolder() + "/dlTornvale.ini").constData());
    }

    // Each count in the language's own plural: French counts 0 as one; a language without
    // words of its own counts in English.
    void counts_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("workDays");
        QTest::addColumn<QString>("offDays");
        QTest::addColumn<QString>("report");
        struct Row {
            const char* language;
            QLocale locale;
            int count;
            const char* workDays;
            const char* offDays;
            const char* report;
        };
        const Row rows[] = {
            {"English", kAmerican, 0, "0 work days", "0 off", "0 duty periods written to /d/x.ics"},
            {"English", kAmerican, 1, "1 work day", "1 off", "1 duty period written to /d/x.ics"},
            {"English", kAmerican, 2, "2 work days", "2 off", "2 duty periods written to /d/x.ics"},
            {"English", kAmerican, 21, "21 work days", "21 off",
             "21 duty periods written to /d/x.ics"},
            {"German", kGerman, 0, "0 Diensttage", "0 dienstfreie Tage",
             "0 Dienstzeiträume in /d/x.ics geschrieben"},
            {"German", kGerman, 1, "1 Diensttag", "1 dienstfreier Tag",
             "1 Dienstzeitraum in /d/x.ics geschrieben"},
            {"German", kGerman, 2, "2 Diensttage", "2 dienstfreie Tage",
             "2 Dienstzeiträume in /d/x.ics geschrieben"},
            {"German", kGerman, 21, "21 Diensttage", "21 dienstfreie Tage",
             "21 Dienstzeiträume in /d/x.ics geschrieben"},
            {"French", kFrench, 0, "0 jour de service", "0 jour de repos",
             "0 période de service écrite dans /d/x.ics"},
            {"French", kFrench, 1, "1 jour de service", "1 jour de repos",
             "1 période de service écrite dans /d/x.ics"},
            {"French", kFrench, 2, "2 jours de service", "2 jours de repos",
             "2 périodes de service écrites dans /d/x.ics"},
            {"French", kFrench, 21, "21 jours de service", "21 jours de repos",
             "21 périodes de service écrites dans /d/x.ics"},
            {"Spanish", kSpanish, 1, "1 work day", "1 off", "1 duty period written to /d/x.ics"},
            {"Spanish", kSpanish, 2, "2 work days", "2 off", "2 duty periods written to /d/x.ics"},
        };
        for (const Row& row : rows)
            QTest::addRow("%s, %d", row.language, row.count)
                << row.locale << row.count << QString::fromUtf8(row.workDays)
                << QString::fromUtf8(row.offDays) << QString::fromUtf8(row.report);
    }
    void counts() {
        QFETCH(QLocale, locale);
        QFETCH(int, count);
        QFETCH(QString, workDays);
        QFETCH(QString, offDays);
        QFETCH(QString, report);
        const Translations translations(locale);
        const LocaleSettings settings = CaptureLocaleSettings(locale);
        QCOMPARE(WorkDaysText(count), workDays);
        QCOMPARE(OffDaysText(count), offDays);
        QCOMPARE(WorkDaysText(count, settings), workDays);
        QCOMPARE(OffDaysText(count, settings), offDays);
        QCOMPARE(ExportReportText({QStringLiteral("/d/x.ics"), count}, settings), report);
    }

    // The month's counts under the month's name, and a day's name where it starts a line: with
    // a capital even where the language writes its months and days in lower case.
    void monthAndDayTexts_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QString>("day");
        QTest::newRow("American") << kAmerican << "December"
                                  << "December 2026: 12 work days, 19 off\n"
                                     "January to December 2026: 157 work days, 208 off"
                                  << "Monday, December 14, 2026";
        QTest::newRow("German") << kGerman << "Dezember"
                                << "Dezember 2026: 12 Diensttage, 19 dienstfreie Tage\n"
                                   "Januar bis Dezember 2026: 157 Diensttage, 208 dienstfreie Tage"
                                << "Montag, 14. Dezember 2026";
        QTest::newRow("French") << kFrench << "Décembre"
                                << "Décembre 2026\u00a0: 12 jours de service, 19 jours de repos\n"
                                   "De janvier à décembre 2026\u00a0: 157 jours de service, "
                                   "208 jours de repos"
                                << "Lundi 14 décembre 2026";
    }
    void monthAndDayTexts() {
        QFETCH(QLocale, locale);
        QFETCH(QString, month);
        QFETCH(QString, counts);
        QFETCH(QString, day);
        const Translations translations(locale);
        auto window = WindowIn(locale, "[Config]\nWorkAssign=5 TFS\n");
        const Controls w = ControlsOf(*window);
        QCOMPARE(w.monthLabel->text(), month);
        QCOMPARE(w.monthLabel->toolTip(), counts);
        const auto cell =
            static_cast<std::size_t>(window->view().cellDates[0].daysTo(QDate(2026, 12, 14)));
        QCOMPARE(window->monthPage().cells[cell].toolTip.section(u'\n', 0, 0), day);
    }

    // Why Save failed, in the user's language: the system's words through Qt's translation,
    // and the program's own where what stands under the name is no file.
    void writeErrorsSayWhy_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("failing"); // a WriteStep; -1: a folder where the file belongs
        QTest::addColumn<QString>("message");
        QTest::newRow("German, a folder under the name")
            << kGerman << -1 << "%1 kann nicht geschrieben werden: Es ist keine Datei.";
        QTest::newRow("German, a full disk")
            << kGerman << int(WriteStep::Write)
            << "%1 kann nicht geschrieben werden: Kein freier Speicherplatz auf dem Gerät "
               "vorhanden.";
        QTest::newRow("French, a folder under the name")
            << kFrench << -1 << "Impossible d’écrire dans %1\u00a0: ce n’est pas un fichier.";
        QTest::newRow("French, no permission")
            << kFrench << int(WriteStep::Open)
            << "Impossible d’écrire dans %1\u00a0: Autorisation refusée.";
    }
    void writeErrorsSayWhy() {
        QFETCH(QLocale, locale);
        QFETCH(int, failing);
        QFETCH(QString, message);
        const Translations translations(locale);
        WindowUnderTest window;
        window.adjustPlatform = [locale, failing](Platform& platform) {
            platform.locale = locale;
            platform.writeFault = [failing](WriteStep step) { return int(step) == failing; };
        };
        WriteSettingsFile(window, "[Config]\nWorkAssign=5 TFS\n");
        StartWindow(window);
        const QString path = window->settingsFilePath();
        if (failing < 0) {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir().mkpath(path));
        }
        OpenTab(*window, ControlsOf(*window).settingsPage);
        Click(ControlsOf(*window).weekStart);
        Click(ControlsOf(*window).save);
        QCOMPARE(*window.errors, QStringList{message.arg(path)});
    }
};

QTEST_MAIN(TestLanguageConventions)
#include "test_language_conventions.moc"
