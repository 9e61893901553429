#pragma once

#include <cstdint>

// A colour as the 32-bit value 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef RGB(int r, int g, int b)
{
    return static_cast<ColorRef>(r & 0xFF) | (static_cast<ColorRef>(g & 0xFF) << 8) |
           (static_cast<ColorRef>(b & 0xFF) << 16);
}
constexpr int redOf(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

// The program's own two colours: orange for text and highlights, on a dark panel.
inline constexpr ColorRef kSkinAccent = RGB(255, 111, 0);
inline constexpr ColorRef kSkinDark = RGB(20, 20, 20);
