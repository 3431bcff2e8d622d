#include "settings/named_colors.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace dutyloop {

namespace {

constexpr std::array<NamedColor, 148> kNamedColors{{
    {"Aliceblue", 0xFFF0F8FF},
    {"Antiquewhite", 0xFFFAEBD7},
    {"Aqua", 0xFF00FFFF},
    {"Aquamarine", 0xFF7FFFD4},
    {"Azure", 0xFFF0FFFF},
    {"Beige", 0xFFF5F5DC},
    {"Bisque", 0xFFFFE4C4},
    {"Black", 0xFF000000},
    {"Blanchedalmond", 0xFFFFEBCD},
    {"Blue", 0xFF0000FF},
    {"Blueviolet", 0xFF8A2BE2},
    {"Brown", 0xFFA52A2A},
    {"Burlywood", 0xFFDEB887},
    {"Cadetblue", 0xFF5F9EA0},
    {"Chartreuse", 0xFF7FFF00},
    {"Chocolate", 0xFFD2691E},
    {"Coral", 0xFFFF7F50},
    {"Cornflowerblue", 0xFF6495ED},
    {"Cornsilk", 0xFFFFF8DC},
    {"Crimson", 0xFFDC143C},
    {"Cyan", 0xFF00FFFF},
    {"Darkblue", 0xFF00008B},
    {"Darkcyan", 0xFF008B8B},
    {"Darkgoldenrod", 0xFFB8860B},
    {"Darkgray", 0xFFA9A9A9},
    {"Darkgreen", 0xFF006400},
    {"Darkgrey", 0xFFA9A9A9},
    {"Darkkhaki", 0xFFBDB76B},
    {"Darkmagenta", 0xFF8B008B},
    {"Darkolivegreen", 0xFF556B2F},
    {"Darkorange", 0xFFFF8C00},
    {"Darkorchid", 0xFF9932CC},
    {"Darkred", 0xFF8B0000},
    {"Darksalmon", 0xFFE9967A},
    {"Darkseagreen", 0xFF8FBC8F},
    {"Darkslateblue", 0xFF483D8B},
    {"Darkslategray", 0xFF2F4F4F},
    {"Darkslategrey", 0xFF2F4F4F},
    {"Darkturquoise", 0xFF00CED1},
    {"Darkviolet", 0xFF9400D3},
    {"Deeppink", 0xFFFF1493},
    {"Deepskyblue", 0xFF00BFFF},
    {"Dimgray", 0xFF696969},
    {"Dimgrey", 0xFF696969},
    {"Dodgerblue", 0xFF1E90FF},
    {"Firebrick", 0xFFB22222},
    {"Floralwhite", 0xFFFFFAF0},
    {"Forestgreen", 0xFF228B22},
    {"Fuchsia", 0xFFFF00FF},
    {"Gainsboro", 0xFFDCDCDC},
    {"Ghostwhite", 0xFFF8F8FF},
    {"Gold", 0xFFFFD700},
    {"Goldenrod", 0xFFDAA520},
    {"Gray", 0xFF808080},
    {"Green", 0xFF008000},
    {"Greenyellow", 0xFFADFF2F},
    {"Grey", 0xFF808080},
    {"Honeydew", 0xFFF0FFF0},
    {"Hotpink", 0xFFFF69B4},
    {"Indianred", 0xFFCD5C5C},
    {"Indigo", 0xFF4B0082},
    {"Ivory", 0xFFFFFFF0},
    {"Khaki", 0xFFF0E68C},
    {"Lavender", 0xFFE6E6FA},
    {"Lavenderblush", 0xFFFFF0F5},
    {"Lawngreen", 0xFF7CFC00},
    {"Lemonchiffon", 0xFFFFFACD},
    {"Lightblue", 0xFFADD8E6},
    {"Lightcoral", 0xFFF08080},
    {"Lightcyan", 0xFFE0FFFF},
    {"Lightgoldenrodyellow", 0xFFFAFAD2},
    {"Lightgray", 0xFFD3D3D3},
    {"Lightgreen", 0xFF90EE90},
    {"Lightgrey", 0xFFD3D3D3},
    {"Lightpink", 0xFFFFB6C1},
    {"Lightsalmon", 0xFFFFA07A},
    {"Lightseagreen", 0xFF20B2AA},
    {"Lightskyblue", 0xFF87CEFA},
    {"Lightslategray", 0xFF778899},
    {"Lightslategrey", 0xFF778899},
    {"Lightsteelblue", 0xFFB0C4DE},
    {"Lightyellow", 0xFFFFFFE0},
    {"Lime", 0xFF00FF00},
    {"Limegreen", 0xFF32CD32},
    {"Linen", 0xFFFAF0E6},
    {"Magenta", 0xFFFF00FF},
    {"Maroon", 0xFF800000},
    {"Mediumaquamarine", 0xFF66CDAA},
    {"Mediumblue", 0xFF0000CD},
    {"Mediumorchid", 0xFFBA55D3},
    {"Mediumpurple", 0xFF9370DB},
    {"Mediumseagreen", 0xFF3CB371},
    {"Mediumslateblue", 0xFF7B68EE},
    {"Mediumspringgreen", 0xFF00FA9A},
    {"Mediumturquoise", 0xFF48D1CC},
    {"Mediumvioletred", 0xFFC71585},
    {"Midnightblue", 0xFF191970},
    {"Mintcream", 0xFFF5FFFA},
    {"Mistyrose", 0xFFFFE4E1},
    {"Moccasin", 0xFFFFE4B5},
    {"Navajowhite", 0xFFFFDEAD},
    {"Navy", 0xFF000080},
    {"Oldlace", 0xFFFDF5E6},
    {"Olive", 0xFF808000},
    {"Olivedrab", 0xFF6B8E23},
    {"Orange", 0xFFFFA500},
    {"Orangered", 0xFFFF4500},
    {"Orchid", 0xFFDA70D6},
    {"Palegoldenrod", 0xFFEEE8AA},
    {"Palegreen", 0xFF98FB98},
    {"Paleturquoise", 0xFFAFEEEE},
    {"Palevioletred", 0xFFDB7093},
    {"Papayawhip", 0xFFFFEFD5},
    {"Peachpuff", 0xFFFFDAB9},
    {"Peru", 0xFFCD853F},
    {"Pink", 0xFFFFC0CB},
    {"Plum", 0xFFDDA0DD},
    {"Powderblue", 0xFFB0E0E6},
    {"Purple", 0xFF800080},
    {"Red", 0xFFFF0000},
    {"Rosybrown", 0xFFBC8F8F},
    {"Royalblue", 0xFF4169E1},
    {"Saddlebrown", 0xFF8B4513},
    {"Salmon", 0xFFFA8072},
    {"Sandybrown", 0xFFF4A460},
    {"Seagreen", 0xFF2E8B57},
    {"Seashell", 0xFFFFF5EE},
    {"Sienna", 0xFFA0522D},
    {"Silver", 0xFFC0C0C0},
    {"Skyblue", 0xFF87CEEB},
    {"Slateblue", 0xFF6A5ACD},
    {"Slategray", 0xFF708090},
    {"Slategrey", 0xFF708090},
    {"Snow", 0xFFFFFAFA},
    {"Springgreen", 0xFF00FF7F},
    {"Steelblue", 0xFF4682B4},
    {"Tan", 0xFFD2B48C},
    {"Teal", 0xFF008080},
    {"Thistle", 0xFFD8BFD8},
    {"Tomato", 0xFFFF6347},
    {"Turquoise", 0xFF40E0D0},
    {"Violet", 0xFFEE82EE},
    {"Wheat", 0xFFF5DEB3},
    {"White", 0xFFFFFFFF},
    {"Whitesmoke", 0xFFF5F5F5},
    {"Yellow", 0xFFFFFF00},
    {"Yellowgreen", 0xFF9ACD32},
    // Not a keyword: the one entry with alpha 0, so that the all-zero colour has a name too.
    {"Null", 0x00000000},
}};

// The keywords must stay alphabetical, because where two names share a colour the earlier
// one is the name that gets written; a misplaced line would silently change saved files.
constexpr bool KeywordsAreAlphabetical() {
    for (std::size_t i = 1; i + 1 < kNamedColors.size(); ++i) {
        if (!(kNamedColors[i - 1].name < kNamedColors[i].name)) {
            return false;
        }
    }
    return true;
}
static_assert(KeywordsAreAlphabetical());
static_assert(kNamedColors.back().name == "Null");

// Only A to Z are folded: a name typed with other letters, however similar they look, is
// not one of ours.
constexpr char16_t FoldAscii(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool SameLetters(QStringView text, std::string_view name) {
    if (text.size() != static_cast<qsizetype>(name.size())) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (FoldAscii(text[static_cast<qsizetype>(i)].unicode()) !=
            FoldAscii(static_cast<char16_t>(static_cast<unsigned char>(name[i])))) {
            return false;
        }
    }
    return true;
}

std::optional<Color> LookUpName(QStringView text) {
    for (const NamedColor& entry : kNamedColors) {
        if (SameLetters(text, entry.name)) {
            return entry.color;
        }
    }
    return std::nullopt;
}

int DigitValue(char16_t c, int base) {
    int value = -1;
    if (c >= u'0' && c <= u'9') {
        value = c - u'0';
    } else if (base == 16 && c >= u'a' && c <= u'f') {
        value = c - u'a' + 10;
    } else if (base == 16 && c >= u'A' && c <= u'F') {
        value = c - u'A' + 10;
    }
    return value;
}

// Any colour that has no name is written as a number: decimal, or hexadecimal after "$", "x"
// or "0x", signed, within 64 bits. Only the low 32 bits are the colour, so a negative number
// stands for its two's complement.
std::optional<Color> ParseNumber(QStringView text) {
    qsizetype pos = 0;
    const qsizetype end = text.size();
    while (pos < end && text[pos] == u' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < end && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    int base = 10;
    if (pos < end && (text[pos] == u'$' || text[pos] == u'x' || text[pos] == u'X')) {
        base = 16;
        pos += 1;
    } else if (pos + 1 < end && text[pos] == u'0' &&
               (text[pos + 1] == u'x' || text[pos + 1] == u'X')) {
        base = 16;
        pos += 2;
    }
    if (pos == end) {
        return std::nullopt;
    }
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    const auto ubase = static_cast<std::uint64_t>(base);
    std::uint64_t magnitude = 0;
    for (; pos < end; ++pos) {
        const int digit = DigitValue(text[pos].unicode(), base);
        if (digit < 0) {
            return std::nullopt;
        }
        const auto udigit = static_cast<std::uint64_t>(digit);
        if (magnitude > (kMax - udigit) / ubase) {
            return std::nullopt;
        }
        magnitude = magnitude * ubase + udigit;
    }
    // Unsigned arithmetic wraps, which is exactly the two's complement of the magnitude.
    const std::uint64_t value = negative ? std::uint64_t{0} - magnitude : magnitude;
    return static_cast<Color>(value & 0xFFFFFFFFu);
}

} // namespace

std::span<const NamedColor> ColorList() {
    return kNamedColors;
}

std::optional<Color> ColorFromName(QStringView text) {
    // "#RRGGBB" and "xAARRGGBB" are other spellings of "$" hexadecimal.
    QString work = text.toString();
    if (!work.isEmpty() && (work.front() == u'#' || work.front() == u'x')) {
        work[0] = u'$';
    }
    const QStringView view(work);

    if (auto color = LookUpName(view)) {
        return color;
    }
    // A name may also carry the "cla" or "cl" that colour identifiers are often written with
    // (claBlue, clBlue). Both are tried, since a name after "cl" could itself begin with "a".
    for (const std::string_view prefix : {std::string_view("cla"), std::string_view("cl")}) {
        const auto length = static_cast<qsizetype>(prefix.size());
        if (view.size() >= length && SameLetters(view.first(length), prefix)) {
            if (auto color = LookUpName(view.sliced(length))) {
                return color;
            }
        }
    }
    return ParseNumber(view);
}

QString ColorToName(Color color) {
    for (const NamedColor& entry : kNamedColors) {
        if (entry.color == color) {
            return QString::fromLatin1(entry.name.data(),
                                       static_cast<qsizetype>(entry.name.size()));
        }
    }
    return QStringLiteral("#%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace dutyloop
