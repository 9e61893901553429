#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How action lists write their lines and size their views. The editors, the summary, the
// transfer to the keyboard and the profile file all read and write these same texts.
namespace ActionLines {

inline constexpr std::u16string_view kPressSuffix = u" Down";
inline constexpr std::u16string_view kReleaseSuffix = u" UP";

// A delay line is "<" milliseconds " ms>".
inline constexpr std::u16string_view kDelayOpen = u"<";
inline constexpr std::u16string_view kDelayClose = u" ms>";
inline constexpr std::size_t kDelayFrameLength = kDelayOpen.size() + kDelayClose.size();

inline std::u16string delayLine(int milliseconds)
{
    const std::string digits = std::to_string(milliseconds);
    std::u16string line(kDelayOpen);
    line.append(digits.begin(), digits.end());
    line += kDelayClose;
    return line;
}

// View sizes of the collections: combinations show 6 rows, macros and emulations 9.
inline constexpr int kComboViewRows = 6;
inline constexpr int kListViewRows = 9;

}  // namespace ActionLines
