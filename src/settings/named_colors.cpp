#include "settings/named_colors.h"

#include <QColor>

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace dutyloop {

namespace {

// The names as the settings file spells them, in a stored order: the 147 CSS colour keywords
// alphabetically, then "Null".
constexpr std::array<std::string_view, 148> kColorNames{
    "Aliceblue",
    "Antiquewhite",
    "Aqua",
    "Aquamarine",
    "Azure",
    "Beige",
    "Bisque",
    "Black",
    "Blanchedalmond",
    "Blue",
    "Blueviolet",
    "Brown",
    "Burlywood",
    "Cadetblue",
    "Chartreuse",
    "Chocolate",
    "Coral",
    "Cornflowerblue",
    "Cornsilk",
    "Crimson",
    "Cyan",
    "Darkblue",
    "Darkcyan",
    "Darkgoldenrod",
    "Darkgray",
    "Darkgreen",
    "Darkgrey",
    "Darkkhaki",
    "Darkmagenta",
    "Darkolivegreen",
    "Darkorange",
    "Darkorchid",
    "Darkred",
    "Darksalmon",
    "Darkseagreen",
    "Darkslateblue",
    "Darkslategray",
    "Darkslategrey",
    "Darkturquoise",
    "Darkviolet",
    "Deeppink",
    "Deepskyblue",
    "Dimgray",
    "Dimgrey",
    "Dodgerblue",
    "Firebrick",
    "Floralwhite",
    "Forestgreen",
    "Fuchsia",
    "Gainsboro",
    "Ghostwhite",
    "Gold",
    "Goldenrod",
    "Gray",
    "Green",
    "Greenyellow",
    "Grey",
    "Honeydew",
    "Hotpink",
    "Indianred",
    "Indigo",
    "Ivory",
    "Khaki",
    "Lavender",
    "Lavenderblush",
    "Lawngreen",
    "Lemonchiffon",
    "Lightblue",
    "Lightcoral",
    "Lightcyan",
    "Lightgoldenrodyellow",
    "Lightgray",
    "Lightgreen",
    "Lightgrey",
    "Lightpink",
    "Lightsalmon",
    "Lightseagreen",
    "Lightskyblue",
    "Lightslategray",
    "Lightslategrey",
    "Lightsteelblue",
    "Lightyellow",
    "Lime",
    "Limegreen",
    "Linen",
    "Magenta",
    "Maroon",
    "Mediumaquamarine",
    "Mediumblue",
    "Mediumorchid",
    "Mediumpurple",
    "Mediumseagreen",
    "Mediumslateblue",
    "Mediumspringgreen",
    "Mediumturquoise",
    "Mediumvioletred",
    "Midnightblue",
    "Mintcream",
    "Mistyrose",
    "Moccasin",
    "Navajowhite",
    "Navy",
    "Oldlace",
    "Olive",
    "Olivedrab",
    "Orange",
    "Orangered",
    "Orchid",
    "Palegoldenrod",
    "Palegreen",
    "Paleturquoise",
    "Palevioletred",
    "Papayawhip",
    "Peachpuff",
    "Peru",
    "Pink",
    "Plum",
    "Powderblue",
    "Purple",
    "Red",
    "Rosybrown",
    "Royalblue",
    "Saddlebrown",
    "Salmon",
    "Sandybrown",
    "Seagreen",
    "Seashell",
    "Sienna",
    "Silver",
    "Skyblue",
    "Slateblue",
    "Slategray",
    "Slategrey",
    "Snow",
    "Springgreen",
    "Steelblue",
    "Tan",
    "Teal",
    "Thistle",
    "Tomato",
    "Turquoise",
    "Violet",
    "Wheat",
    "White",
    "Whitesmoke",
    "Yellow",
    "Yellowgreen",
    // Not a keyword: the one entry with alpha 0, so that the all-zero colour has a name too.
    "Null",
};

// Each keyword's value is Qt's for the same CSS keyword; "Null" is the all-zero colour.
const std::array<NamedColor, 148>& NamedColors() {
    static const std::array<NamedColor, 148> named = [] {
        std::array<NamedColor, 148> list{};
        for (std::size_t i = 0; i < kColorNames.size(); ++i) {
            const std::string_view name = kColorNames[i];
            const QRgb value =
                name == "Null"
                    ? colors::Null
                    : QColor::fromString(
                          QLatin1String(name.data(), static_cast<qsizetype>(name.size())))
                          .rgba();
            list[i] = {name, value};
        }
        return list;
    }();
    return named;
}

// The keywords must stay alphabetical, because where two names share a colour the earlier
// one is the name that gets written; a misplaced line would silently change saved files.
constexpr bool KeywordsAreAlphabetical() {
    for (std::size_t i = 1; i + 1 < kColorNames.size(); ++i) {
        if (!(kColorNames[i - 1] < kColorNames[i])) {
            return false;
        }
    }
    return true;
}
static_assert(KeywordsAreAlphabetical());
static_assert(kColorNames.back() == "Null");

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

std::optional<QRgb> LookUpName(QStringView text) {
    for (const NamedColor& entry : NamedColors()) {
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
std::optional<QRgb> ParseNumber(QStringView text) {
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
    return static_cast<QRgb>(value & 0xFFFFFFFFu);
}

} // namespace

std::span<const NamedColor> ColorList() {
    return NamedColors();
}

std::optional<QRgb> ColorFromName(QStringView text) {
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

QString ColorToName(QRgb color) {
    for (const NamedColor& entry : NamedColors()) {
        if (entry.color == color) {
            return QString::fromLatin1(entry.name.data(),
                                       static_cast<qsizetype>(entry.name.size()));
        }
    }
    return QStringLiteral("#%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace dutyloop
