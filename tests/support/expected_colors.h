#pragma once

#include "settings/colors.h"

// Colour values as the CSS keywords define them, written out here by hand so that tests do not
// take their expectations from the code under test.
namespace dutyloop::expected {
inline constexpr QRgb Blue = 0xFF0000FF;
inline constexpr QRgb DimGray = 0xFF696969;
inline constexpr QRgb Silver = 0xFFC0C0C0;
inline constexpr QRgb White = 0xFFFFFFFF;
inline constexpr QRgb Black = 0xFF000000;
inline constexpr QRgb AliceBlue = 0xFFF0F8FF;
inline constexpr QRgb Navy = 0xFF000080;
inline constexpr QRgb Yellow = 0xFFFFFF00;
inline constexpr QRgb Aqua = 0xFF00FFFF;
inline constexpr QRgb Crimson = 0xFFDC143C;
inline constexpr QRgb Gold = 0xFFFFD700;
inline constexpr QRgb Orchid = 0xFFDA70D6;
} // namespace dutyloop::expected
