#pragma once

#include <cstdint>

namespace dutyloop {

// 0xAARRGGBB, always compared as a whole, alpha included.
using Color = std::uint32_t;

namespace colors {
inline constexpr Color White = 0xFFFFFFFF;
inline constexpr Color Black = 0xFF000000;
inline constexpr Color Blue = 0xFF0000FF;
inline constexpr Color DimGray = 0xFF696969;
inline constexpr Color Silver = 0xFFC0C0C0;
inline constexpr Color AliceBlue = 0xFFF0F8FF;
inline constexpr Color Null = 0x00000000;
} // namespace colors

// The five colour settings. GridColor is kept and saved, but nothing is drawn with it.
struct ColorSettings {
    Color work = colors::Blue;
    Color off = colors::DimGray;
    Color leadTrail = colors::Silver;
    Color background = colors::White;
    Color grid = colors::Black;
};

} // namespace dutyloop
