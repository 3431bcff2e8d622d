#include "settings/named_colors.h"

#include <QColor>
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QTest>
#include <optional>
#include <set>

using dutyloop::ColorFromName;
using dutyloop::ColorList;
using dutyloop::ColorToName;

namespace {

// Colours are shown in hex so that a failure names the wrong byte at a glance.
QString Hex(QRgb color) {
    return QString::asprintf("0x%08X", color);
}

QString Hex(std::optional<QRgb> color) {
    return color ? Hex(*color) : QStringLiteral("(no colour)");
}

QString ListedName(std::size_t index) {
    const std::string_view name = ColorList()[index].name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

bool IsListed(QRgb color) {
    for (const auto& entry : ColorList()) {
        if (entry.color == color) {
            return true;
        }
    }
    return false;
}

} // namespace

class TestNamedColors : public QObject {
    Q_OBJECT

private slots:
    void list_endsWithNullAndHoldsDistinctValues();
    void list_keywordsAreQtColourNames();
    void list_keywordsAreAlphabeticalWithOneCapital();

    void fromName_everyListedNameInAnySpelling();
    void fromName_accepts_data();
    void fromName_accepts();
    void fromName_rejects_data();
    void fromName_rejects();

    void toName_data();
    void toName();
    void sharedColour_writesEarlierName_data();
    void sharedColour_writesEarlierName();
    void readThenWrite_data();
    void readThenWrite();

    void roundTrip_keepsEveryColour();
};

void TestNamedColors::list_endsWithNullAndHoldsDistinctValues() {
    const auto list = ColorList();
    QCOMPARE(list.size(), std::size_t{148});
    QCOMPARE(ListedName(147), QStringLiteral("Null"));
    QCOMPARE(Hex(list[147].color), Hex(QRgb{0}));

    std::set<QRgb> distinct;
    for (const auto& entry : list) {
        distinct.insert(entry.color);
    }
    // 147 keywords with nine pairs of synonyms, plus Null.
    QCOMPARE(distinct.size(), std::size_t{139});
}

// The values come from QColor by name, where a misspelled keyword would not be found and would
// silently read as black: every listed keyword must be one Qt knows.
void TestNamedColors::list_keywordsAreQtColourNames() {
    for (std::size_t i = 0; i < 147; ++i) {
        const QString name = ListedName(i);
        QVERIFY2(QColor::isValidColorName(name),
                 qPrintable(name + " is not an SVG colour keyword"));
    }
}

void TestNamedColors::list_keywordsAreAlphabeticalWithOneCapital() {
    for (std::size_t i = 0; i < 147; ++i) {
        const QString name = ListedName(i);
        const QString lower = name.toLower();
        QCOMPARE(name, lower.left(1).toUpper() + lower.mid(1));
        if (i > 0) {
            QVERIFY2(ListedName(i - 1).toLower() < lower, qPrintable(name + " is out of order"));
        }
    }
}

void TestNamedColors::fromName_everyListedNameInAnySpelling() {
    for (const auto& entry : ColorList()) {
        const QString name =
            QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size()));
        for (const QString& text : {name, name.toLower(), name.toUpper(), "cla" + name, "cl" + name,
                                    "CL" + name.toUpper()}) {
            QCOMPARE(Hex(ColorFromName(text)), Hex(entry.color));
        }
    }
}

void TestNamedColors::fromName_accepts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRgb>("expected");

    QTest::newRow("name as listed") << "Lightgoldenrodyellow" << QRgb{0xFFFAFAD2};
    QTest::newRow("name in capitals") << "LIGHTGOLDENRODYELLOW" << QRgb{0xFFFAFAD2};
    QTest::newRow("name in mixed case after cla") << "claLightGoldenRodYellow" << QRgb{0xFFFAFAD2};
    QTest::newRow("name in lower case") << "blue" << QRgb{0xFF0000FF};
    QTest::newRow("name after cl") << "clBlue" << QRgb{0xFF0000FF};
    QTest::newRow("name after cla") << "claBlue" << QRgb{0xFF0000FF};
    QTest::newRow("name starting with a after cl") << "clAqua" << QRgb{0xFF00FFFF};
    QTest::newRow("name starting with a after cla") << "claAqua" << QRgb{0xFF00FFFF};
    QTest::newRow("cl then Aliceblue") << "clAliceblue" << QRgb{0xFFF0F8FF};
    QTest::newRow("second name of a shared colour") << "Cyan" << QRgb{0xFF00FFFF};
    QTest::newRow("Null") << "Null" << QRgb{0};
    QTest::newRow("null in lower case") << "null" << QRgb{0};

    QTest::newRow("zero after hash") << "#00000000" << QRgb{0};
    QTest::newRow("decimal zero") << "0" << QRgb{0};
    QTest::newRow("zero after dollar") << "$0" << QRgb{0};
    QTest::newRow("negative zero") << "-0" << QRgb{0};
    QTest::newRow("six digits after hash have alpha 0") << "#0000FF" << QRgb{0x000000FF};
    QTest::newRow("hash") << "#FF0000FF" << QRgb{0xFF0000FF};
    QTest::newRow("dollar") << "$FF0000FF" << QRgb{0xFF0000FF};
    QTest::newRow("0x") << "0xFF0000FF" << QRgb{0xFF0000FF};
    QTest::newRow("0X") << "0XFF0000FF" << QRgb{0xFF0000FF};
    QTest::newRow("lower-case x") << "xFFC0C0C0" << QRgb{0xFFC0C0C0};
    QTest::newRow("capital X") << "XFFC0C0C0" << QRgb{0xFFC0C0C0};
    QTest::newRow("lower-case hex digits") << "$ff0000ff" << QRgb{0xFF0000FF};
    QTest::newRow("decimal") << "4278190335" << QRgb{0xFF0000FF};
    QTest::newRow("decimal with plus") << "+4278190335" << QRgb{0xFF0000FF};
    QTest::newRow("leading blanks") << "   4278190335" << QRgb{0xFF0000FF};
    QTest::newRow("negative decimal is two's complement") << "-16776961" << QRgb{0xFF0000FF};
    QTest::newRow("blanks, sign, then dollar") << "  -$1" << QRgb{0xFFFFFFFF};
    QTest::newRow("sign before x") << "-x10" << QRgb{0xFFFFFFF0};
    QTest::newRow("sign before 0x") << "+0x10" << QRgb{0x00000010};
    QTest::newRow("only low 32 bits count") << "$123456789ABCDEF0" << QRgb{0x9ABCDEF0};
    QTest::newRow("2^32 wraps to zero") << "4294967296" << QRgb{0};
    QTest::newRow("largest decimal 2^64-1") << "18446744073709551615" << QRgb{0xFFFFFFFF};
    QTest::newRow("largest hex 2^64-1") << "$FFFFFFFFFFFFFFFF" << QRgb{0xFFFFFFFF};
    QTest::newRow("minus 2^64-1") << "-18446744073709551615" << QRgb{0x00000001};
    QTest::newRow("leading zeros beyond 64 bits of digits")
        << "$" + QString(40, u'0') + "FF0000FF" << QRgb{0xFF0000FF};
}

void TestNamedColors::fromName_accepts() {
    QFETCH(QString, text);
    QFETCH(QRgb, expected);
    QCOMPARE(Hex(ColorFromName(text)), Hex(expected));
}

void TestNamedColors::fromName_rejects_data() {
    QTest::addColumn<QString>("text");

    QTest::newRow("newer CSS keyword") << "Rebeccapurple";
    QTest::newRow("transparent is not listed") << "Transparent";
    QTest::newRow("part of a name") << "Blu";
    QTest::newRow("name with trailing blank") << "Blue ";
    QTest::newRow("name with leading blank") << " Blue";
    QTest::newRow("name then NUL") << QString::fromLatin1("Blue\0", 5);
    QTest::newRow("cl alone") << "cl";
    QTest::newRow("cla alone") << "cla";
    // Only A to Z ignore case: these letters fold to k and s under full Unicode rules.
    QTest::newRow("Kelvin sign for k") << QString::fromUtf16(u"Blac\u212A");
    QTest::newRow("long s for s") << QString::fromUtf16(u"\u017Filver");

    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("hex digits without prefix") << "FF0000FF";
    QTest::newRow("not hex digits") << "#GG0000FF";
    QTest::newRow("lone plus") << "+";
    QTest::newRow("lone minus") << "-";
    QTest::newRow("lone dollar") << "$";
    QTest::newRow("lone hash") << "#";
    QTest::newRow("lone x") << "x";
    QTest::newRow("0x without digits") << "0x";
    QTest::newRow("sign without digits") << "-$";
    QTest::newRow("two signs") << "--1";
    QTest::newRow("sign after prefix") << "#-1";
    QTest::newRow("hash after blank") << " #FF";
    QTest::newRow("trailing blank after number") << "255 ";
    QTest::newRow("trailing letters after number") << "12a";
    QTest::newRow("decimal point") << "1.0";
    QTest::newRow("number then NUL") << QString::fromLatin1("1\0", 2);
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf16(u"\u0661\u0662");
    QTest::newRow("fullwidth hex digits") << QString::fromUtf16(u"$\uFF26\uFF26");
    QTest::newRow("decimal 2^64") << "18446744073709551616";
    QTest::newRow("hex 2^64") << "$10000000000000000";
    QTest::newRow("minus 2^64") << "-18446744073709551616";
    QTest::newRow("far beyond 64 bits") << QString(400, u'9');
}

void TestNamedColors::fromName_rejects() {
    QFETCH(QString, text);
    QCOMPARE(Hex(ColorFromName(text)), QStringLiteral("(no colour)"));
}

void TestNamedColors::toName_data() {
    QTest::addColumn<QRgb>("color");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero is Null") << QRgb{0} << "Null";
    QTest::newRow("first keyword") << QRgb{0xFFF0F8FF} << "Aliceblue";
    QTest::newRow("last keyword") << QRgb{0xFF9ACD32} << "Yellowgreen";
    QTest::newRow("all bits set is White") << QRgb{0xFFFFFFFF} << "White";
    QTest::newRow("Black") << QRgb{0xFF000000} << "Black";
    QTest::newRow("Ivory") << QRgb{0xFFFFFFF0} << "Ivory";
    QTest::newRow("alpha one short of a keyword") << QRgb{0xFE0000FF} << "#FE0000FF";
    QTest::newRow("keyword RGB with alpha 0") << QRgb{0x000000FF} << "#000000FF";
    QTest::newRow("White RGB with alpha 0") << QRgb{0x00FFFFFF} << "#00FFFFFF";
    QTest::newRow("unlisted colour") << QRgb{0xFF123456} << "#FF123456";
    QTest::newRow("hex letters in capitals") << QRgb{0xFFABCDEF} << "#FFABCDEF";
    QTest::newRow("leading zeros kept") << QRgb{0x00000001} << "#00000001";
    QTest::newRow("top bit only") << QRgb{0x80000000} << "#80000000";
}

void TestNamedColors::toName() {
    QFETCH(QRgb, color);
    QFETCH(QString, expected);
    QCOMPARE(ColorToName(color), expected);
}

void TestNamedColors::sharedColour_writesEarlierName_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QRgb>("color");

    QTest::newRow("Aqua/Cyan") << "Aqua"
                               << "Cyan" << QRgb{0xFF00FFFF};
    QTest::newRow("Darkgray/Darkgrey") << "Darkgray"
                                       << "Darkgrey" << QRgb{0xFFA9A9A9};
    QTest::newRow("Darkslategray/Darkslategrey") << "Darkslategray"
                                                 << "Darkslategrey" << QRgb{0xFF2F4F4F};
    QTest::newRow("Dimgray/Dimgrey") << "Dimgray"
                                     << "Dimgrey" << QRgb{0xFF696969};
    QTest::newRow("Fuchsia/Magenta") << "Fuchsia"
                                     << "Magenta" << QRgb{0xFFFF00FF};
    QTest::newRow("Gray/Grey") << "Gray"
                               << "Grey" << QRgb{0xFF808080};
    QTest::newRow("Lightgray/Lightgrey") << "Lightgray"
                                         << "Lightgrey" << QRgb{0xFFD3D3D3};
    QTest::newRow("Lightslategray/Lightslategrey") << "Lightslategray"
                                                   << "Lightslategrey" << QRgb{0xFF778899};
    QTest::newRow("Slategray/Slategrey") << "Slategray"
                                         << "Slategrey" << QRgb{0xFF708090};
}

void TestNamedColors::sharedColour_writesEarlierName() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QRgb, color);
    QCOMPARE(Hex(ColorFromName(first)), Hex(color));
    QCOMPARE(Hex(ColorFromName(second)), Hex(color));
    QCOMPARE(ColorToName(color), first);
}

void TestNamedColors::readThenWrite_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");

    QTest::newRow("six hex digits gain alpha 00") << "#0000FF"
                                                  << "#000000FF";
    QTest::newRow("x number that is a keyword") << "xFFC0C0C0"
                                                << "Silver";
    QTest::newRow("negative number that is a keyword") << "-16776961"
                                                       << "Blue";
    QTest::newRow("second name of a shared colour") << "Cyan"
                                                    << "Aqua";
    QTest::newRow("hash number that is a keyword") << "#FFFFFFF0"
                                                   << "Ivory";
    QTest::newRow("unlisted number unchanged") << "#FF123456"
                                               << "#FF123456";
    QTest::newRow("name respelled as listed") << "DimGray"
                                              << "Dimgray";
    QTest::newRow("zero forms") << "$0"
                                << "Null";
}

void TestNamedColors::readThenWrite() {
    QFETCH(QString, text);
    QFETCH(QString, written);
    const std::optional<QRgb> color = ColorFromName(text);
    QVERIFY(color.has_value());
    QCOMPARE(ColorToName(*color), written);
}

// Whatever is written must read back as the same colour, named or not.
void TestNamedColors::roundTrip_keepsEveryColour() {
    QList<QRgb> samples{0x00000000, 0x00000001, 0x7FFFFFFF, 0x80000000,
                        0xFFFFFFFE, 0xFFFFFFFF, 0x00FFFFFF, 0xFF000001};
    for (const auto& entry : ColorList()) {
        samples.append(entry.color);
    }
    QRandomGenerator random(20240611);
    for (int i = 0; i < 4000; ++i) {
        samples.append(random.generate());
    }

    for (const QRgb color : samples) {
        const QString name = ColorToName(color);
        if (!IsListed(color)) {
            QCOMPARE(name, QString::asprintf("#%08X", color));
        }
        const std::optional<QRgb> back = ColorFromName(name);
        QCOMPARE(Hex(back), Hex(color));
        QCOMPARE(ColorToName(*back), name);
    }
}

QTEST_APPLESS_MAIN(TestNamedColors)
#include "test_named_colors.moc"
