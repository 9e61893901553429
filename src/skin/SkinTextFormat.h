#pragma once

#include <cstdint>
#include <string>

class QString;

// Text layout flags of SkinButton::textFormat, as the records of the window tables give them.
namespace SkinTextFormat {
inline constexpr std::uint32_t Left = 0x0;        // and top
inline constexpr std::uint32_t Center = 0x1;      // horizontally
inline constexpr std::uint32_t Right = 0x2;
inline constexpr std::uint32_t VCenter = 0x4;     // only with SingleLine
inline constexpr std::uint32_t Bottom = 0x8;      // only with SingleLine
inline constexpr std::uint32_t WordBreak = 0x10;
inline constexpr std::uint32_t SingleLine = 0x20;
inline constexpr std::uint32_t NoClip = 0x100;

// The QPainter::drawText flags for a format.
int toQtFlags(std::uint32_t format);
// The text as QPainter draws it: "\r\n" line breaks become "\n".
QString toQtText(const std::u16string& caption);
}  // namespace SkinTextFormat
