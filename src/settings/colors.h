#pragma once

#include <QRgb>

namespace dutyloop {

// Colours are QRgb (0xAARRGGBB), always compared as a whole, alpha included.
namespace colors {
inline constexpr QRgb White = 0xFFFFFFFF;
inline constexpr QRgb Black = 0xFF000000;
inline constexpr QRgb Blue = 0xFF0000FF;
inline constexpr QRgb DimGray = 0xFF696969;
inline constexpr QRgb Silver = 0xFFC0C0C0;
inline constexpr QRgb AliceBlue = 0xFFF0F8FF;
inline constexpr QRgb Null = 0x00000000;
} // namespace colors

// The five colour settings. GridColor is kept and saved, but nothing is drawn with it.
struct ColorSettings {
    QRgb work = colors::Blue;
    QRgb off = colors::DimGray;
    QRgb leadTrail = colors::Silver;
    QRgb background = colors::White;
    QRgb grid = colors::Black;

    friend bool operator==(const ColorSettings&, const ColorSettings&) = default;
};

} // namespace dutyloop
