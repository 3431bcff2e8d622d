#pragma once

#include "settings/colors.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <span>
#include <string_view>

namespace dutyloop {

struct NamedColor {
    std::string_view name;
    QRgb color;
};

// The 148 named colours in their fixed order: the 147 CSS colour keywords alphabetically,
// spelled with one capital, then "Null".
std::span<const NamedColor> ColorList();

// A listed name in any letter case, with or without "cl"/"cla" in front, or a whole number
// (decimal, or hexadecimal after "#", "$", "x", "0x"). Empty when the text is neither.
std::optional<QRgb> ColorFromName(QStringView text);

// The first listed name of the colour, else "#" and eight upper-case hex digits, alpha first.
QString ColorToName(QRgb color);

} // namespace dutyloop
