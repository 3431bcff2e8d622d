// Settings files that no Save wrote: huge, binary, broken or doubled, or no file at all. The
// window must start on each, read what can be read, and a Save must keep every line it does not
// write and never replace what is not a file.

#include "byte_helpers.h"
#include "expected_colors.h"
#include "window_fixture.h"

#include "platform/file_services.h"
#include "ui/settings/toggle_switch.h"

#include <QByteArrayList>
#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <array>
#include <string_view>
#include <sys/stat.h>

using namespace dutyloop;
using namespace dutyloop::testing;
using namespace std::string_view_literals;

namespace {

// CSS keyword values the tests pick or expect, beyond those in expected_colors.h.
constexpr QRgb kTeal = 0xFF008080;
constexpr QRgb kOlive = 0xFF808000;
constexpr QRgb kOrchid = 0xFFDA70D6;
constexpr QRgb kMaroon = 0xFF800000;

// Ten megabytes of another program's keys, then the settings.
QByteArray TenMegabytes() {
    QByteArray text = "[Other]\r\n";
    text.reserve(10 * 1024 * 1024 + 200);
    const QByteArray filler = "Filler=a line that another program keeps in this file\r\n";
    while (text.size() < 10 * 1024 * 1024)
        text += filler;
    return text +
           "[Config]\r\nWorkAssign=3 TWT\r\nWeekStartsOnMonday=1\r\n[Colors]\r\nBkGr=Navy\r\n";
}

QByteArray SettingsFileOf(const WindowUnderTest& fixture) {
    QFile file(fixture.settingsFolder() + QStringLiteral("/dlTornvale.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The seven keys Save writes.
constexpr std::array<std::string_view, 7> kWrittenKeys{
    "WorkAssign", "WeekStartsOnMonday", "KPlt", "LPlt", "LdTr", "BkGr", "GridColor"};

QByteArray TrimBlanks(QByteArray text) {
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove(0, 1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

// The written key a line sets, or empty when it sets none of them.
QByteArray WrittenKeyOf(QByteArray line) {
    if (line.endsWith('\r'))
        line.chop(1);
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return {};
    const QByteArray name = TrimBlanks(line.left(equals));
    for (const std::string_view key : kWrittenKeys) {
        if (name.compare(Bytes(key), Qt::CaseInsensitive) == 0)
            return Bytes(key);
    }
    return {};
}

bool IsWrittenSectionHeader(QByteArray line) {
    if (line.endsWith('\r'))
        line.chop(1);
    return line == "[Config]" || line == "[Colors]";
}

// Empty when `after` holds every line of `before` in the same order, with at most one line of
// each written key given a new value, and adds nothing but lines of the written keys and their
// section headers; else what is wrong.
QString WhatSaveLost(const QByteArray& before, const QByteArray& after) {
    const QByteArrayList old = before.split('\n');
    const QByteArrayList saved = after.split('\n');
    QByteArrayList rewritten;
    qsizetype next = 0;
    for (const QByteArray& line : old) {
        const QByteArray key = WrittenKeyOf(line);
        qsizetype at = next;
        while (at < saved.size() && saved[at] != line &&
               (key.isEmpty() || WrittenKeyOf(saved[at]) != key))
            ++at;
        if (at == saved.size())
            return QStringLiteral("lost the line \"%1\"").arg(QString::fromUtf8(line.left(80)));
        if (saved[at] != line)
            rewritten.append(key);
        for (qsizetype added = next; added < at; ++added) {
            if (WrittenKeyOf(saved[added]).isEmpty() && !IsWrittenSectionHeader(saved[added]))
                return QStringLiteral("added the line \"%1\"")
                    .arg(QString::fromUtf8(saved[added].left(80)));
        }
        next = at + 1;
    }
    for (qsizetype added = next; added < saved.size(); ++added) {
        if (WrittenKeyOf(saved[added]).isEmpty() && !IsWrittenSectionHeader(saved[added]) &&
            !(added == saved.size() - 1 && saved[added].isEmpty()))
            return QStringLiteral("added the line \"%1\"")
                .arg(QString::fromUtf8(saved[added].left(80)));
    }
    for (const QByteArray& key : rewritten) {
        if (rewritten.count(key) > 1)
            return QStringLiteral("rewrote %1 twice").arg(QString::fromUtf8(key));
    }
    return {};
}

void AddHostileFiles() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("assignment"); // the entry selected in the list
    QTest::addColumn<bool>("mondays");
    QTest::addColumn<QRgb>("background");

    QTest::newRow("10 MB of other keys, then the settings")
        << TenMegabytes() << "3 TWT" << true << expected::Navy;
    QTest::newRow("random bytes") << RandomBytes(256 * 1024, 20240917) << "Tornvale" << false
                                  << expected::White;
    QTest::newRow("random bytes, then the settings")
        << RandomBytes(256 * 1024, 20240918) + "\n[Config]\nWorkAssign=5 TFS\n[Colors]\nBkGr=Teal\n"
        << "5 TFS" << false << kTeal;
    QTest::newRow("NUL bytes between lines and inside values")
        << Bytes("[Config]\r\n\0\r\nWorkAssign=2 MTW\r\nNote=a\0b\r\n\0\r\n"
                 "WeekStartsOnMonday=1\r\n[Colors]\r\nBkGr=Navy\0\r\n"sv)
        << "2 MTW" << true << expected::White;
    QTest::newRow("invalid UTF-8 around readable values")
        << Bytes("\xFF\xFE\xFD\n[Config]\n\xC3\x28=\xE2\x82\nWorkAssign=4 WTF\n;\xF0\x9F\n"
                 "[Colors]\nBkGr=Na\xFFvy\nKPlt=\xED\xA0\x80\n"sv)
        << "4 WTF" << false << expected::White;
    QTest::newRow("byte-order mark before [Config]")
        << Bytes("\xEF\xBB\xBF[Config]\r\nWorkAssign=6 FSS\r\nWeekStartsOnMonday=1\r\n"sv)
        << "6 FSS" << true << expected::White;
    QTest::newRow("CRLF file cut off after the CR of its last line")
        << QByteArray("[Config]\r\nWorkAssign=3 TWT\r") << "3 TWT" << false << expected::White;
    QTest::newRow("duplicate sections and keys: the first wins")
        << QByteArray("[Config]\nWorkAssign=1 SMT\nWorkAssign=7 SSM\n[Colors]\nBkGr=Navy\n"
                      "BkGr=Red\n[config]\nWorkAssign=2 MTW\nWeekStartsOnMonday=1\n[COLORS]\n"
                      "BkGr=Teal\n")
        << "1 SMT" << false << expected::Navy;
    QTest::newRow("key lines without '='")
        << QByteArray("[Config]\nWorkAssign\nWeekStartsOnMonday\nWorkAssign 6 FSS\n"
                      "WorkAssign=7 SSM\n[Colors]\nBkGr\nBkGr Navy")
        << "7 SSM" << false << expected::White;
    QTest::newRow("values of 5,000 characters")
        << "[Config]\nWorkAssign=5 TFS" + QByteArray(5000, ' ') +
               "\nNotes=" + QByteArray(5000, 'n') + "\n[Colors]\nBkGr=" + QByteArray(5000, 'N') +
               "\n"
        << "5 TFS" << false << expected::White;
}

// What stands at the path, a link not followed: its type bits and size.
QString Kind(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("nothing");
    return QStringLiteral("type %1, %2 bytes").arg(info.st_mode & S_IFMT).arg(info.st_size);
}

// Puts `what` where the settings file belongs.
void PlaceInsteadOfTheFile(const WindowUnderTest& fixture, const QString& what) {
    QVERIFY(QDir().mkpath(fixture.settingsFolder()));
    const QString path = fixture.settingsFolder() + QStringLiteral("/dlTornvale.ini");
    const QByteArray name = QFile::encodeName(path);
    if (what == "FIFO") {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (what == "directory") {
        QVERIFY(QDir().mkpath(path));
    } else if (what == "link to /dev/zero") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (what == "link to itself") {
        QVERIFY(QFile::link(path, path));
    } else {
        // Sparse: it takes no room on the disk.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("[Config]\nWorkAssign=3 TWT\n") > 0);
        QVERIFY(file.resize(kLargestReadableFile + 1));
    }
}

} // namespace

class TestHostileSettings : public QObject {
    Q_OBJECT
private slots:
    void startUpReadsWhatItCan_data() { AddHostileFiles(); }
    void startUpReadsWhatItCan() {
        QFETCH(QByteArray, file);
        QFETCH(QString, assignment);
        QFETCH(bool, mondays);
        QFETCH(QRgb, background);
        auto window = ShownWindow(QDate(2023, 9, 15), file);
        const Controls w = ControlsOf(*window);
        QCOMPARE(w.assignment->currentText(), assignment);
        QCOMPARE(w.weekStart->isChecked(), mondays);
        QCOMPARE(window->monthPage().weekdayLabels[0],
                 mondays ? QStringLiteral("Mon") : QStringLiteral("Sun"));
        QCOMPARE(window->settings().colors.background, background);
        QCOMPARE(window->view().shownDate, D(2023, 9, 15));
        QVERIFY(window.errors->isEmpty());
    }

    // The user changes every setting the window offers, so that each written key must land on
    // the line that is read, and saves.
    void saveKeepsEveryOtherLine_data() { AddHostileFiles(); }
    void saveKeepsEveryOtherLine() {
        QFETCH(QByteArray, file);
        QFETCH(bool, mondays);
        auto window = ShownWindow(QDate(2023, 9, 15), file);
        const Controls w = ControlsOf(*window);
        ChooseAssignment(*window, QStringLiteral("4 WTF"));
        OpenTab(*window, w.settingsPage);
        SetWeekStartSwitch(*window, !mondays);
        PickColour(*window, w.workColor, expected::Yellow);
        PickColour(*window, w.offColor, kOlive);
        PickColour(*window, w.leadTrailColor, kOrchid);
        PickColour(*window, w.backgroundColor, kMaroon);
        Click(w.save);
        QVERIFY(window.errors->isEmpty());

        const QByteArray saved = SettingsFileOf(window);
        const QString lost = WhatSaveLost(file, saved);
        QVERIFY2(lost.isEmpty(), qPrintable(lost));

        window.window.reset();
        StartWindow(window);
        QCOMPARE(window->settings().assignment, QStringLiteral("4 WTF"));
        QCOMPARE(ControlsOf(*window).weekStart->isChecked(), !mondays);
        QCOMPARE(window->settings().colors.work, expected::Yellow);
        QCOMPARE(window->settings().colors.off, kOlive);
        QCOMPARE(window->settings().colors.leadTrail, kOrchid);
        QCOMPARE(window->settings().colors.background, kMaroon);
    }

    // Where the settings file belongs stands something no settings file could be. Start-up
    // must neither wait on it nor read it without end, and Save must not replace it.
    void startUpOnWhatIsNoSettingsFile_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("reason"); // why Save refuses
        QTest::newRow("a FIFO, which no one writes") << "FIFO"
                                                     << "it is not a file";
        QTest::newRow("a directory") << "directory"
                                     << "it is not a file";
        QTest::newRow("a link to a device that never ends") << "link to /dev/zero"
                                                            << "it is not a file";
        QTest::newRow("a link to itself") << "link to itself"
                                          << "Too many levels of symbolic links";
        QTest::newRow("a file larger than any settings file") << "larger than the largest"
                                                              << "it is larger than 16 MiB";
    }
    void startUpOnWhatIsNoSettingsFile() {
        QFETCH(QString, what);
        QFETCH(QString, reason);
        WindowUnderTest window;
        PlaceInsteadOfTheFile(window, what);
        const QString path = window.settingsFolder() + QStringLiteral("/dlTornvale.ini");
        const QString before = Kind(path);
        QElapsedTimer startUp;
        startUp.start();
        StartWindow(window);
        QVERIFY2(startUp.elapsed() < 5000, "start-up hung on the settings file");
        const Controls w = ControlsOf(*window);
        QCOMPARE(window->settings().assignment, QStringLiteral("Tornvale"));
        QVERIFY(!w.weekStart->isChecked());
        QCOMPARE(window->settings().colors.background, expected::White);
        QCOMPARE(w.tabs->currentWidget(), w.settingsPage);
        QVERIFY(window.errors->isEmpty());

        QTest::mouseClick(w.save, Qt::LeftButton);
        QCOMPARE(*window.errors, QStringList{"Unable to write to " + path + ": " + reason + "."});
        QCOMPARE(Kind(path), before);
        QCOMPARE(w.tabs->currentWidget(), w.settingsPage);
    }

    // The comparison above must itself see a lost, an added and a doubly written line.
    void theComparisonSeesWhatSaveLost_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("kept");
        const QByteArray before = "; note\n[Config]\nWorkAssign=1 SMT\nX=1\n[c]\nWorkAssign=2\n";
        QTest::newRow("value rewritten, key added")
            << before
            << QByteArray("; note\n[Config]\nWorkAssign=4 WTF\nX=1\n"
                          "WeekStartsOnMonday=0\n[c]\nWorkAssign=2\n[Colors]\nKPlt=Red\n")
            << true;
        QTest::newRow("a line lost") << before
                                     << QByteArray("[Config]\nWorkAssign=4 WTF\nX=1\n[c]\n"
                                                   "WorkAssign=2\n")
                                     << false;
        QTest::newRow("another line added")
            << before
            << QByteArray("; note\n[Config]\nWorkAssign=1 SMT\nY=2\nX=1\n[c]\n"
                          "WorkAssign=2\n")
            << false;
        QTest::newRow("both lines of a duplicate key rewritten")
            << before
            << QByteArray("; note\n[Config]\nWorkAssign=4 WTF\nX=1\n[c]\n"
                          "WorkAssign=4 WTF\n")
            << false;
    }
    void theComparisonSeesWhatSaveLost() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(bool, kept);
        QCOMPARE(WhatSaveLost(before, after).isEmpty(), kept);
    }
};

QTEST_MAIN(TestHostileSettings)
#include "test_hostile_settings.moc"
