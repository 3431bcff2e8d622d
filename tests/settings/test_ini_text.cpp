#include "settings/ini_text.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <optional>
#include <string_view>

using namespace dutyloop;
using namespace std::string_view_literals;

namespace {
// Byte strings that may hold NUL bytes, which a plain string literal would end at.
QByteArray Bytes(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

const QByteArray kBom = Bytes("\xEF\xBB\xBF"sv);

// The value as read, or a marker no test value uses, so that QCOMPARE can show either.
QByteArray ReadOrMissing(const QByteArray& text, QByteArrayView section, QByteArrayView key) {
    return IniValue(text, section, key).value_or("<missing>");
}
} // namespace

class TestIniText : public QObject {
    Q_OBJECT
private slots:
    void readsValues_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("lower-case [config] and workassign in the file")
            << QByteArray("[config]\nworkassign=3 TWT\n") << QByteArray("Config")
            << QByteArray("WorkAssign") << true << QByteArray("3 TWT");
        QTest::newRow("upper-case names in the file")
            << QByteArray("[CONFIG]\nWORKASSIGN=x\n") << QByteArray("Config")
            << QByteArray("WorkAssign") << true << QByteArray("x");
        QTest::newRow("Latin-1 letters keep their case: byte 0xC9 is not 0xE9")
            << QByteArray("[\xC9]\nA=1\n") << QByteArray("\xE9") << QByteArray("A") << false
            << QByteArray();
        QTest::newRow("'{' is not '[', though they differ by the case bit")
            << QByteArray("[C]\nA{=1\n") << QByteArray("C") << QByteArray("a[") << false
            << QByteArray();
        QTest::newRow("first of two sections of the same name wins")
            << QByteArray("[C]\nA=first\n[c]\nA=second\n") << QByteArray("C") << QByteArray("A")
            << true << QByteArray("first");
        QTest::newRow("a key only in the duplicate section is not found")
            << QByteArray("[C]\nA=1\n[C]\nB=2\n") << QByteArray("C") << QByteArray("B") << false
            << QByteArray();
        QTest::newRow("first of two keys wins")
            << QByteArray("[C]\nA=first\na=second\n") << QByteArray("C") << QByteArray("A") << true
            << QByteArray("first");
        QTest::newRow("a line without '=' is not a key")
            << QByteArray("[C]\nA\nA=real\n") << QByteArray("C") << QByteArray("A") << true
            << QByteArray("real");
        QTest::newRow("only lines without '=': missing")
            << QByteArray("[C]\nA\n A \n") << QByteArray("C") << QByteArray("A") << false
            << QByteArray();
        QTest::newRow("blanks around names and values")
            << QByteArray(" \t[ \tC C\t ] \t\n \tA B \t= \t spaced  value \t\n")
            << QByteArray("C C") << QByteArray("A B") << true << QByteArray("spaced  value");
        QTest::newRow("value containing '='") << QByteArray("[C]\nA = b=c==\n") << QByteArray("C")
                                              << QByteArray("A") << true << QByteArray("b=c==");
        QTest::newRow("a longer key name is another key")
            << QByteArray("[C]\nAB=1\nA=2\n") << QByteArray("C") << QByteArray("A") << true
            << QByteArray("2");
        QTest::newRow("a longer section name is another section")
            << QByteArray("[CD]\nA=1\n[C]\nA=2\n") << QByteArray("C") << QByteArray("A") << true
            << QByteArray("2");
        QTest::newRow("present but empty") << QByteArray("[C]\nA=\n") << QByteArray("C")
                                           << QByteArray("A") << true << QByteArray("");
        QTest::newRow("present with only blanks") << QByteArray("[C]\nA= \t \n") << QByteArray("C")
                                                  << QByteArray("A") << true << QByteArray("");
        QTest::newRow("missing section") << QByteArray("[D]\nA=1\n") << QByteArray("C")
                                         << QByteArray("A") << false << QByteArray();
        QTest::newRow("missing key") << QByteArray("[C]\nB=1\n") << QByteArray("C")
                                     << QByteArray("A") << false << QByteArray();
        QTest::newRow("a key of the next section is not in this one")
            << QByteArray("[C]\n[D]\nA=1\n") << QByteArray("C") << QByteArray("A") << false
            << QByteArray();
        QTest::newRow("a key before any section is in none")
            << QByteArray("A=1\n[C]\n") << QByteArray("C") << QByteArray("A") << false
            << QByteArray();
        QTest::newRow("comments are not keys")
            << QByteArray("[C]\n;A=1\n \t;A=2\nA=3\n") << QByteArray("C") << QByteArray("A") << true
            << QByteArray("3");
        QTest::newRow("a commented section header is not a section")
            << QByteArray(";[C]\nA=1\n[C]\nA=2\n") << QByteArray("C") << QByteArray("A") << true
            << QByteArray("2");
        QTest::newRow("CRLF is not part of the value")
            << QByteArray("[C]\r\nA=1 \r\nB=2\r\n") << QByteArray("C") << QByteArray("A") << true
            << QByteArray("1");
        QTest::newRow("last line without a line ending")
            << QByteArray("[C]\nA=last") << QByteArray("C") << QByteArray("A") << true
            << QByteArray("last");
        QTest::newRow("byte-order mark before the first section header")
            << kBom + "[C]\nA=1\n"
            << QByteArray("C") << QByteArray("A") << true << QByteArray("1");
        QTest::newRow("surrounding quotes are kept")
            << QByteArray("[C]\nA=\"q\"\n") << QByteArray("C") << QByteArray("A") << true
            << QByteArray("\"q\"");
        QTest::newRow("invalid UTF-8 and NUL bytes in other lines")
            << Bytes("[C]\n\xFF\xFE\0junk\nB=\xC3\0\n[D]\0\nA=ok\n"sv) << QByteArray("C")
            << QByteArray("A") << true << QByteArray("ok");
        QTest::newRow("invalid UTF-8 in the value comes back as it is")
            << Bytes("[C]\nA=\xFF"
                     "a\xC3\n"sv)
            << QByteArray("C") << QByteArray("A") << true
            << Bytes("\xFF"
                     "a\xC3"sv);
    }
    void readsValues() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(bool, present);
        QFETCH(QByteArray, value);
        const std::optional<QByteArray> read = IniValue(text, section, key);
        QCOMPARE(read.has_value(), present);
        if (present) {
            QCOMPARE(*read, value);
        }
    }

    // Values are read up to 2047 characters, as stored files have always been read.
    void cutsLongValues_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("read");
        QTest::newRow("5,000 characters read as the first 2047")
            << QByteArray(5000, 'a') << QByteArray(2047, 'a');
        QTest::newRow("2047 characters kept whole")
            << QByteArray(2047, 'b') << QByteArray(2047, 'b');
        QTest::newRow("2048 characters lose the last")
            << QByteArray(2047, 'c') + "d" << QByteArray(2047, 'c');
        QTest::newRow("two-byte characters counted as characters")
            << QByteArray("\xC3\xA9").repeated(3000) << QByteArray("\xC3\xA9").repeated(2047);
        QTest::newRow("four-byte characters counted as characters")
            << QByteArray("\xF0\x9F\x98\x80").repeated(2100)
            << QByteArray("\xF0\x9F\x98\x80").repeated(2047);
        QTest::newRow("a three-byte 2047th character is kept whole")
            << QByteArray(2046, 'e') + "\xE2\x82\xAC" + "f"
            << QByteArray(2046, 'e') + "\xE2\x82\xAC";
        QTest::newRow("a three-byte 2048th character is not split")
            << QByteArray(2047, 'g') + "\xE2\x82\xAC" << QByteArray(2047, 'g');
        QTest::newRow("blanks around the value do not count")
            << "   " + QByteArray(2047, 'h') + "   " << QByteArray(2047, 'h');
    }
    void cutsLongValues() {
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, read);
        QCOMPARE(ReadOrMissing("[C]\nA=" + value + "\n", "C", "A"), read);
    }

    void writesValues_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("existing value replaced, the rest kept")
            << QByteArray("; top\n[Config]\nWorkAssign=Old\nOther=1\n") << QByteArray("Config")
            << QByteArray("WorkAssign") << QByteArray("New")
            << QByteArray("; top\n[Config]\nWorkAssign=New\nOther=1\n");
        QTest::newRow("only the value part of the line changes")
            << QByteArray("[c]\n  workassign \t= old value  \n") << QByteArray("C")
            << QByteArray("WorkAssign") << QByteArray("new")
            << QByteArray("[c]\n  workassign \t= new  \n");
        QTest::newRow("a value with '=' replaced whole")
            << QByteArray("[C]\nA=b=c\n") << QByteArray("C") << QByteArray("A") << QByteArray("2")
            << QByteArray("[C]\nA=2\n");
        QTest::newRow("an empty value filled")
            << QByteArray("[C]\nA=\nB=1\n") << QByteArray("C") << QByteArray("A") << QByteArray("2")
            << QByteArray("[C]\nA=2\nB=1\n");
        QTest::newRow("a value emptied")
            << QByteArray("[C]\nA=1\n") << QByteArray("C") << QByteArray("A") << QByteArray("")
            << QByteArray("[C]\nA=\n");
        QTest::newRow("CRLF line keeps its CRLF")
            << QByteArray("[C]\r\nA=1\r\nB=1\r\n") << QByteArray("C") << QByteArray("A")
            << QByteArray("2") << QByteArray("[C]\r\nA=2\r\nB=1\r\n");
        QTest::newRow("new key in a CRLF file ends with CRLF")
            << QByteArray("[C]\r\nA=1\r\n") << QByteArray("C") << QByteArray("B") << QByteArray("2")
            << QByteArray("[C]\r\nA=1\r\nB=2\r\n");
        QTest::newRow("new section in a CRLF file ends with CRLF")
            << QByteArray("[C]\r\nA=1\r\n") << QByteArray("D") << QByteArray("B") << QByteArray("2")
            << QByteArray("[C]\r\nA=1\r\n[D]\r\nB=2\r\n");
        QTest::newRow("mixed endings: the first one decides, each line keeps its own")
            << QByteArray("[C]\nA=1\r\n") << QByteArray("C") << QByteArray("B") << QByteArray("2")
            << QByteArray("[C]\nA=1\r\nB=2\n");
        QTest::newRow("new key after the section's last key, before blank lines and comments")
            << QByteArray("[C]\nA=1\nA2=1\n\n; about D\n[D]\nX=1\n") << QByteArray("C")
            << QByteArray("B") << QByteArray("2")
            << QByteArray("[C]\nA=1\nA2=1\nB=2\n\n; about D\n[D]\nX=1\n");
        QTest::newRow("new key in a section without keys goes under its header")
            << QByteArray("[C]\n\n; note\n[D]\n") << QByteArray("C") << QByteArray("B")
            << QByteArray("2") << QByteArray("[C]\nB=2\n\n; note\n[D]\n");
        QTest::newRow("a commented-out key is left alone")
            << QByteArray("[C]\n;B=old\n") << QByteArray("C") << QByteArray("B") << QByteArray("2")
            << QByteArray("[C]\nB=2\n;B=old\n");
        QTest::newRow("file without a final line ending: key added")
            << QByteArray("[C]\nA=1") << QByteArray("C") << QByteArray("B") << QByteArray("2")
            << QByteArray("[C]\nA=1\nB=2\n");
        QTest::newRow("file without a final line ending: section added")
            << QByteArray("[C]\nA=1") << QByteArray("D") << QByteArray("B") << QByteArray("2")
            << QByteArray("[C]\nA=1\n[D]\nB=2\n");
        QTest::newRow("file without a final line ending: value changed")
            << QByteArray("[C]\nA=1") << QByteArray("C") << QByteArray("A") << QByteArray("2")
            << QByteArray("[C]\nA=2");
        QTest::newRow("CRLF file ending in a lone CR: key added, the last value keeps its length")
            << QByteArray("[C]\r\nA=1\r") << QByteArray("C") << QByteArray("B") << QByteArray("2")
            << QByteArray("[C]\r\nA=1\r\nB=2\r\n");
        QTest::newRow("CRLF file ending in a lone CR: section added, the last value kept")
            << QByteArray("[C]\r\nA=1\r") << QByteArray("D") << QByteArray("B") << QByteArray("2")
            << QByteArray("[C]\r\nA=1\r\n[D]\r\nB=2\r\n");
        QTest::newRow("empty file") << QByteArray() << QByteArray("C") << QByteArray("B")
                                    << QByteArray("2") << QByteArray("[C]\nB=2\n");
        QTest::newRow("file of only a byte-order mark")
            << kBom << QByteArray("C") << QByteArray("B") << QByteArray("2") << kBom + "[C]\nB=2\n";
        QTest::newRow("byte-order mark file: its first section is found")
            << kBom + "[C]\nA=1\n"
            << QByteArray("C") << QByteArray("A") << QByteArray("2") << kBom + "[C]\nA=2\n";
        QTest::newRow("only the first of duplicate sections changes")
            << QByteArray("[C]\nA=1\n[C]\nA=9\n") << QByteArray("C") << QByteArray("A")
            << QByteArray("2") << QByteArray("[C]\nA=2\n[C]\nA=9\n");
        QTest::newRow("a key only in the duplicate section is added to the first")
            << QByteArray("[C]\nA=1\n[C]\nB=9\n") << QByteArray("C") << QByteArray("B")
            << QByteArray("2") << QByteArray("[C]\nA=1\nB=2\n[C]\nB=9\n");
        QTest::newRow("only the first of duplicate keys changes")
            << QByteArray("[C]\nA=1\nA=9\n") << QByteArray("C") << QByteArray("A")
            << QByteArray("2") << QByteArray("[C]\nA=2\nA=9\n");
        QTest::newRow("invalid UTF-8 and NUL bytes in other lines survive")
            << Bytes("\xFF\0\n[C]\n\xC3\0=\xFE\nA=1\n\xE2\x82\n"sv) << QByteArray("C")
            << QByteArray("A") << QByteArray("2")
            << Bytes("\xFF\0\n[C]\n\xC3\0=\xFE\nA=2\n\xE2\x82\n"sv);
    }
    void writesValues() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, written);
        const QByteArray result = WithIniValue(text, section, key, value);
        QCOMPARE(result, written);
        QCOMPARE(ReadOrMissing(result, section, key), value);
    }

    // Whatever the bytes, writing a key must never crash, must read back, and must leave the
    // other sections' keys as they read before.
    void anyBytesReadBackAfterWriting() {
        static constexpr std::string_view kPieces[] = {
            "[", "]",   "=",   ";",  "\r", "\n",           "\r\n", " ",    "\t",   "a", "A",
            "b", "[a]", "[b]", "a=", "b=", "\xEF\xBB\xBF", "\0"sv, "\xFF", "\xC3", "x"};
        QRandomGenerator random(20240510);
        for (int round = 0; round < 5000; ++round) {
            QByteArray text;
            const int pieces = random.bounded(40);
            for (int i = 0; i < pieces; ++i) {
                text += Bytes(kPieces[random.bounded(int(std::size(kPieces)))]);
            }
            const QByteArray otherBefore = ReadOrMissing(text, "b", "b");
            const QByteArray written = WithIniValue(text, "a", "a", "value");
            QCOMPARE(ReadOrMissing(written, "a", "a"), QByteArray("value"));
            QCOMPARE(ReadOrMissing(written, "b", "b"), otherBefore);
        }
    }

    // A file of ten megabytes is read and written in one pass, not line by line over again.
    void largeFileInOnePass() {
        QByteArray text = "[Other]\n";
        while (text.size() < 10 * 1024 * 1024) {
            text += "no equals sign on this line at all\n";
        }
        text += "[C]\nA=end\n";
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(ReadOrMissing(text, "C", "A"), QByteArray("end"));
        QVERIFY(WithIniValue(text, "C", "A", "new").endsWith("[C]\nA=new\n"));
        QVERIFY(WithIniValue(text, "D", "A", "new").endsWith("[C]\nA=end\n[D]\nA=new\n"));
        QVERIFY2(timer.elapsed() < 20000, "ten megabytes took longer than 20 seconds");
    }

    void parsesFlags_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reads"); // "on", "off" or "default"
        QTest::newRow("1") << QByteArray("1") << "on";
        QTest::newRow("2") << QByteArray("2") << "on";
        QTest::newRow("-1") << QByteArray("-1") << "on";
        QTest::newRow("+1") << QByteArray("+1") << "on";
        QTest::newRow("0x10") << QByteArray("0x10") << "on";
        QTest::newRow("0XaF, hex digits in either case") << QByteArray("0XaF") << "on";
        QTest::newRow("-0x1") << QByteArray("-0x1") << "on";
        QTest::newRow("leading zeros: 007") << QByteArray("007") << "on";
        QTest::newRow("blanks around the number") << QByteArray(" \t1\t ") << "on";
        QTest::newRow("100 nines is non-zero, not an overflow") << QByteArray(100, '9') << "on";
        QTest::newRow("0") << QByteArray("0") << "off";
        QTest::newRow("-0") << QByteArray("-0") << "off";
        QTest::newRow("0x0") << QByteArray("0x0") << "off";
        QTest::newRow("100 zeros") << QByteArray(100, '0') << "off";
        QTest::newRow("true") << QByteArray("true") << "default";
        QTest::newRow("yes") << QByteArray("yes") << "default";
        QTest::newRow("empty") << QByteArray() << "default";
        QTest::newRow("only blanks") << QByteArray("  ") << "default";
        QTest::newRow("1.0") << QByteArray("1.0") << "default";
        QTest::newRow("trailing letters: 1a") << QByteArray("1a") << "default";
        QTest::newRow("two numbers: 1 2") << QByteArray("1 2") << "default";
        QTest::newRow("a sign alone") << QByteArray("-") << "default";
        QTest::newRow("two signs") << QByteArray("--1") << "default";
        QTest::newRow("0x without digits") << QByteArray("0x") << "default";
        QTest::newRow("hex digits without 0x: ff") << QByteArray("ff") << "default";
        QTest::newRow("bad hex digit: 0x1g") << QByteArray("0x1g") << "default";
        QTest::newRow("a NUL after the digit") << Bytes("1\0"sv) << "default";
    }
    void parsesFlags() {
        QFETCH(QByteArray, text);
        QFETCH(QString, reads);
        const bool isDefault = reads == QLatin1String("default");
        QCOMPARE(ParseFlag(text, false), isDefault ? false : reads == QLatin1String("on"));
        QCOMPARE(ParseFlag(text, true), isDefault ? true : reads == QLatin1String("on"));
    }
};

QTEST_APPLESS_MAIN(TestIniText)
#include "test_ini_text.moc"
