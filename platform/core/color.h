#pragma once
// Colours as the program stores them in its files: 32-bit values 0x00BBGGRR,
// red in the low byte (red 255, white 16777215).

#include <cstdint>

using Color = std::uint32_t;

namespace colors {
constexpr Color black = 0x000000;
constexpr Color white = 0xFFFFFF;    // 16777215
constexpr Color red = 0x0000FF;      // 255
constexpr Color silver = 0xC0C0C0;   // 12632256
constexpr Color gray = 0x808080;     // 8421504
constexpr Color blue = 0xFF0000;     // 16711680

constexpr int redOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Color fromRgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
}  // namespace colors
