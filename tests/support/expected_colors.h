#pragma once

#include "settings/colors.h"

// Colour values as the CSS keywords define them, written out here by hand so that tests do not
// take their expectations from the code under test.
namespace dutyloop::expected {
inline constexpr Color Blue = 0xFF0000FF;
inline constexpr Color DimGray = 0xFF696969;
inline constexpr Color Silver = 0xFFC0C0C0;
inline constexpr Color White = 0xFFFFFFFF;
inline constexpr Color Black = 0xFF000000;
inline constexpr Color AliceBlue = 0xFFF0F8FF;
inline constexpr Color Navy = 0xFF000080;
inline constexpr Color Yellow = 0xFFFFFF00;
inline constexpr Color Aqua = 0xFF00FFFF;
inline constexpr Color Crimson = 0xFFDC143C;
inline constexpr Color Gold = 0xFFFFD700;
inline constexpr Color Orchid = 0xFFDA70D6;
} // namespace dutyloop::expected
