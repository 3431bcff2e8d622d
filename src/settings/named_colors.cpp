#include "settings/named_colors.h"

#include <QColor>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace dutyloop {

namespace {

// The names as the settings file spells them, in a stored order: the 147 CSS colour keywords
// alphabetically, then "Null". Marked for the translators: the picker shows each in the user's
// language, while the settings file always holds this spelling.
constexpr std::array<std::string_view, 148> kColorNames{
    QT_TRANSLATE_NOOP("ColorName", "Aliceblue"),
    QT_TRANSLATE_NOOP("ColorName", "Antiquewhite"),
    QT_TRANSLATE_NOOP("ColorName", "Aqua"),
    QT_TRANSLATE_NOOP("ColorName", "Aquamarine"),
    QT_TRANSLATE_NOOP("ColorName", "Azure"),
    QT_TRANSLATE_NOOP("ColorName", "Beige"),
    QT_TRANSLATE_NOOP("ColorName", "Bisque"),
    QT_TRANSLATE_NOOP("ColorName", "Black"),
    QT_TRANSLATE_NOOP("ColorName", "Blanchedalmond"),
    QT_TRANSLATE_NOOP("ColorName", "Blue"),
    QT_TRANSLATE_NOOP("ColorName", "Blueviolet"),
    QT_TRANSLATE_NOOP("ColorName", "Brown"),
    QT_TRANSLATE_NOOP("ColorName", "Burlywood"),
    QT_TRANSLATE_NOOP("ColorName", "Cadetblue"),
    QT_TRANSLATE_NOOP("ColorName", "Chartreuse"),
    QT_TRANSLATE_NOOP("ColorName", "Chocolate"),
    QT_TRANSLATE_NOOP("ColorName", "Coral"),
    QT_TRANSLATE_NOOP("ColorName", "Cornflowerblue"),
    QT_TRANSLATE_NOOP("ColorName", "Cornsilk"),
    QT_TRANSLATE_NOOP("ColorName", "Crimson"),
    QT_TRANSLATE_NOOP("ColorName", "Cyan"),
    QT_TRANSLATE_NOOP("ColorName", "Darkblue"),
    QT_TRANSLATE_NOOP("ColorName", "Darkcyan"),
    QT_TRANSLATE_NOOP("ColorName", "Darkgoldenrod"),
    QT_TRANSLATE_NOOP("ColorName", "Darkgray"),
    QT_TRANSLATE_NOOP("ColorName", "Darkgreen"),
    QT_TRANSLATE_NOOP("ColorName", "Darkgrey"),
    QT_TRANSLATE_NOOP("ColorName", "Darkkhaki"),
    QT_TRANSLATE_NOOP("ColorName", "Darkmagenta"),
    QT_TRANSLATE_NOOP("ColorName", "Darkolivegreen"),
    QT_TRANSLATE_NOOP("ColorName", "Darkorange"),
    QT_TRANSLATE_NOOP("ColorName", "Darkorchid"),
    QT_TRANSLATE_NOOP("ColorName", "Darkred"),
    QT_TRANSLATE_NOOP("ColorName", "Darksalmon"),
    QT_TRANSLATE_NOOP("ColorName", "Darkseagreen"),
    QT_TRANSLATE_NOOP("ColorName", "Darkslateblue"),
    QT_TRANSLATE_NOOP("ColorName", "Darkslategray"),
    QT_TRANSLATE_NOOP("ColorName", "Darkslategrey"),
    QT_TRANSLATE_NOOP("ColorName", "Darkturquoise"),
    QT_TRANSLATE_NOOP("ColorName", "Darkviolet"),
    QT_TRANSLATE_NOOP("ColorName", "Deeppink"),
    QT_TRANSLATE_NOOP("ColorName", "Deepskyblue"),
    QT_TRANSLATE_NOOP("ColorName", "Dimgray"),
    QT_TRANSLATE_NOOP("ColorName", "Dimgrey"),
    QT_TRANSLATE_NOOP("ColorName", "Dodgerblue"),
    QT_TRANSLATE_NOOP("ColorName", "Firebrick"),
    QT_TRANSLATE_NOOP("ColorName", "Floralwhite"),
    QT_TRANSLATE_NOOP("ColorName", "Forestgreen"),
    QT_TRANSLATE_NOOP("ColorName", "Fuchsia"),
    QT_TRANSLATE_NOOP("ColorName", "Gainsboro"),
    QT_TRANSLATE_NOOP("ColorName", "Ghostwhite"),
    QT_TRANSLATE_NOOP("ColorName", "Gold"),
    QT_TRANSLATE_NOOP("ColorName", "Goldenrod"),
    QT_TRANSLATE_NOOP("ColorName", "Gray"),
    QT_TRANSLATE_NOOP("ColorName", "Green"),
    QT_TRANSLATE_NOOP("ColorName", "Greenyellow"),
    QT_TRANSLATE_NOOP("ColorName", "Grey"),
    QT_TRANSLATE_NOOP("ColorName", "Honeydew"),
    QT_TRANSLATE_NOOP("ColorName", "Hotpink"),
    QT_TRANSLATE_NOOP("ColorName", "Indianred"),
    QT_TRANSLATE_NOOP("ColorName", "Indigo"),
    QT_TRANSLATE_NOOP("ColorName", "Ivory"),
    QT_TRANSLATE_NOOP("ColorName", "Khaki"),
    QT_TRANSLATE_NOOP("ColorName", "Lavender"),
    QT_TRANSLATE_NOOP("ColorName", "Lavenderblush"),
    QT_TRANSLATE_NOOP("ColorName", "Lawngreen"),
    QT_TRANSLATE_NOOP("ColorName", "Lemonchiffon"),
    QT_TRANSLATE_NOOP("ColorName", "Lightblue"),
    QT_TRANSLATE_NOOP("ColorName", "Lightcoral"),
    QT_TRANSLATE_NOOP("ColorName", "Lightcyan"),
    QT_TRANSLATE_NOOP("ColorName", "Lightgoldenrodyellow"),
    QT_TRANSLATE_NOOP("ColorName", "Lightgray"),
    QT_TRANSLATE_NOOP("ColorName", "Lightgreen"),
    QT_TRANSLATE_NOOP("ColorName", "Lightgrey"),
    QT_TRANSLATE_NOOP("ColorName", "Lightpink"),
    QT_TRANSLATE_NOOP("ColorName", "Lightsalmon"),
    QT_TRANSLATE_NOOP("ColorName", "Lightseagreen"),
    QT_TRANSLATE_NOOP("ColorName", "Lightskyblue"),
    QT_TRANSLATE_NOOP("ColorName", "Lightslategray"),
    QT_TRANSLATE_NOOP("ColorName", "Lightslategrey"),
    QT_TRANSLATE_NOOP("ColorName", "Lightsteelblue"),
    QT_TRANSLATE_NOOP("ColorName", "Lightyellow"),
    QT_TRANSLATE_NOOP("ColorName", "Lime"),
    QT_TRANSLATE_NOOP("ColorName", "Limegreen"),
    QT_TRANSLATE_NOOP("ColorName", "Linen"),
    QT_TRANSLATE_NOOP("ColorName", "Magenta"),
    QT_TRANSLATE_NOOP("ColorName", "Maroon"),
    QT_TRANSLATE_NOOP("ColorName", "Mediumaquamarine"),
    QT_TRANSLATE_NOOP("ColorName", "Mediumblue"),
    QT_TRANSLATE_NOOP("ColorName", "Mediumorchid"),
    QT_TRANSLATE_NOOP("ColorName", "Mediumpurple"),
    QT_TRANSLATE_NOOP("ColorName", "Mediumseagreen"),
    QT_TRANSLATE_NOOP("ColorName", "Mediumslateblue"),
    QT_TRANSLATE_NOOP("ColorName", "Mediumspringgreen"),
    QT_TRANSLATE_NOOP("ColorName", "Mediumturquoise"),
    QT_TRANSLATE_NOOP("ColorName", "Mediumvioletred"),
    QT_TRANSLATE_NOOP("ColorName", "Midnightblue"),
    QT_TRANSLATE_NOOP("ColorName", "Mintcream"),
    QT_TRANSLATE_NOOP("ColorName", "Mistyrose"),
    QT_TRANSLATE_NOOP("ColorName", "Moccasin"),
    QT_TRANSLATE_NOOP("ColorName", "Navajowhite"),
    QT_TRANSLATE_NOOP("ColorName", "Navy"),
    QT_TRANSLATE_NOOP("ColorName", "Oldlace"),
    QT_TRANSLATE_NOOP("ColorName", "Olive"),
    QT_TRANSLATE_NOOP("ColorName", "Olivedrab"),
    QT_TRANSLATE_NOOP("ColorName", "Orange"),
    QT_TRANSLATE_NOOP("ColorName", "Orangered"),
    QT_TRANSLATE_NOOP("ColorName", "Orchid"),
    QT_TRANSLATE_NOOP("ColorName", "Palegoldenrod"),
    QT_TRANSLATE_NOOP("ColorName", "Palegreen"),
    QT_TRANSLATE_NOOP("ColorName", "Paleturquoise"),
    QT_TRANSLATE_NOOP("ColorName", "Palevioletred"),
    QT_TRANSLATE_NOOP("ColorName", "Papayawhip"),
    QT_TRANSLATE_NOOP("ColorName", "Peachpuff"),
    QT_TRANSLATE_NOOP("ColorName", "Peru"),
    QT_TRANSLATE_NOOP("ColorName", "Pink"),
    QT_TRANSLATE_NOOP("ColorName", "Plum"),
    QT_TRANSLATE_NOOP("ColorName", "Powderblue"),
    QT_TRANSLATE_NOOP("ColorName", "Purple"),
    QT_TRANSLATE_NOOP("ColorName", "Red"),
    QT_TRANSLATE_NOOP("ColorName", "Rosybrown"),
    QT_TRANSLATE_NOOP("ColorName", "Royalblue"),
    QT_TRANSLATE_NOOP("ColorName", "Saddlebrown"),
    QT_TRANSLATE_NOOP("ColorName", "Salmon"),
    QT_TRANSLATE_NOOP("ColorName", "Sandybrown"),
    QT_TRANSLATE_NOOP("ColorName", "Seagreen"),
    QT_TRANSLATE_NOOP("ColorName", "Seashell"),
    QT_TRANSLATE_NOOP("ColorName", "Sienna"),
    QT_TRANSLATE_NOOP("ColorName", "Silver"),
    QT_TRANSLATE_NOOP("ColorName", "Skyblue"),
    QT_TRANSLATE_NOOP("ColorName", "Slateblue"),
    QT_TRANSLATE_NOOP("ColorName", "Slategray"),
    QT_TRANSLATE_NOOP("ColorName", "Slategrey"),
    QT_TRANSLATE_NOOP("ColorName", "Snow"),
    QT_TRANSLATE_NOOP("ColorName", "Springgreen"),
    QT_TRANSLATE_NOOP("ColorName", "Steelblue"),
    QT_TRANSLATE_NOOP("ColorName", "Tan"),
    QT_TRANSLATE_NOOP("ColorName", "Teal"),
    QT_TRANSLATE_NOOP("ColorName", "Thistle"),
    QT_TRANSLATE_NOOP("ColorName", "Tomato"),
    QT_TRANSLATE_NOOP("ColorName", "Turquoise"),
    QT_TRANSLATE_NOOP("ColorName", "Violet"),
    QT_TRANSLATE_NOOP("ColorName", "Wheat"),
    QT_TRANSLATE_NOOP("ColorName", "White"),
    QT_TRANSLATE_NOOP("ColorName", "Whitesmoke"),
    QT_TRANSLATE_NOOP("ColorName", "Yellow"),
    QT_TRANSLATE_NOOP("ColorName", "Yellowgreen"),
    // Not a keyword: the one entry with alpha 0, so that the all-zero colour has a name too.
    QT_TRANSLATE_NOOP("ColorName", "Null"),
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
