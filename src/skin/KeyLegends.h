#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The legend printed on each key of the keyboard pictures, by KeyIndex 1 to 87 (0 is no key).
// Short where a small key has no room for the whole name. The main window and the backlight
// windows draw their keycaps from this one table.
namespace KeyLegends {

inline constexpr std::array<std::u16string_view, 88> kByKeyIndex = {
    u"", u"Esc", u"F1", u"F2", u"F3", u"F4", u"F5", u"F6", u"F7", u"F8", u"F9", u"F10", u"F11", u"F12", u"~",
    u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0", u"-", u"+", u"BackSpace", u"Tab", u"Q", u"W",
    u"E", u"R", u"T", u"Y", u"U", u"I", u"O", u"P", u"[", u"]", u"\\", u"Caps Lock", u"A", u"S", u"D", u"F",
    u"G", u"H", u"J", u"K", u"L", u";", u"'", u"Enter", u"Shift", u"Z", u"X", u"C", u"V", u"B", u"N", u"M",
    u"<", u">", u"?", u"Shift", u"Ctrl", u"Win", u"Alt", u"Space", u"Alt", u"Win", u"Menu", u"Ctrl",
    u"PrtSc", u"ScrLk", u"Pause", u"Ins", u"Home", u"PgUp", u"Del", u"End", u"PgDn", u"\u2191", u"\u2190",
    u"\u2193", u"\u2192"
};

constexpr std::u16string_view of(int keyIndex) { return kByKeyIndex[static_cast<std::size_t>(keyIndex)]; }

}  // namespace KeyLegends
