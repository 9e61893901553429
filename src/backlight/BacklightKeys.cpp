#include "BacklightKeys.h"

#include "KeyboardProfile.h"

#include <array>
#include <utility>

namespace {

// Every key of a row shares its top and bottom: rows 1 (F keys) to 6 (space bar).
constexpr std::array<std::pair<int, int>, 6> kRows = {{{102, 145}, {153, 196}, {203, 246}, {254, 297}, {304, 347}, {355, 398}}};

constexpr BacklightKey key(int row, int keyIndex, std::u16string_view legend, int left, int right)
{
    const auto& [top, bottom] = kRows[static_cast<std::size_t>(row - 1)];
    return {keyIndex, legend, {left, top, right, bottom}};
}

// Legends are short where a small key has no room for the whole name.
// clang-format off
constexpr std::array<BacklightKey, KeyboardProfile::kKeyCount> kKeys = {{
    key(1, 1, u"Esc", 47, 94),      key(1, 2, u"F1", 149, 196),    key(1, 3, u"F2", 200, 247),    key(1, 4, u"F3", 251, 298),
    key(1, 5, u"F4", 302, 349),     key(1, 6, u"F5", 381, 428),    key(1, 7, u"F6", 432, 479),    key(1, 8, u"F7", 483, 530),
    key(1, 9, u"F8", 534, 581),     key(1, 10, u"F9", 612, 659),   key(1, 11, u"F10", 663, 710),  key(1, 12, u"F11", 714, 761),
    key(1, 13, u"F12", 765, 812),
    key(2, 14, u"~", 47, 94),       key(2, 15, u"1", 98, 145),     key(2, 16, u"2", 149, 196),    key(2, 17, u"3", 200, 247),
    key(2, 18, u"4", 252, 299),     key(2, 19, u"5", 303, 350),    key(2, 20, u"6", 354, 401),    key(2, 21, u"7", 405, 452),
    key(2, 22, u"8", 456, 503),     key(2, 23, u"9", 507, 554),    key(2, 24, u"0", 559, 606),    key(2, 25, u"-", 610, 657),
    key(2, 26, u"+", 661, 708),     key(2, 27, u"BackSpace", 712, 812),
    key(3, 28, u"Tab", 47, 122),    key(3, 29, u"Q", 126, 173),    key(3, 30, u"W", 177, 224),    key(3, 31, u"E", 228, 275),
    key(3, 32, u"R", 279, 326),     key(3, 33, u"T", 331, 378),    key(3, 34, u"Y", 382, 429),    key(3, 35, u"U", 433, 480),
    key(3, 36, u"I", 484, 531),     key(3, 37, u"O", 535, 582),    key(3, 38, u"P", 586, 633),    key(3, 39, u"[", 638, 685),
    key(3, 40, u"]", 689, 736),     key(3, 41, u"\\", 740, 812),
    key(4, 42, u"Caps Lock", 47, 133), key(4, 43, u"A", 137, 184), key(4, 44, u"S", 188, 235),    key(4, 45, u"D", 239, 286),
    key(4, 46, u"F", 291, 338),     key(4, 47, u"G", 342, 389),    key(4, 48, u"H", 393, 440),    key(4, 49, u"J", 444, 491),
    key(4, 50, u"K", 495, 542),     key(4, 51, u"L", 546, 593),    key(4, 52, u";", 598, 645),    key(4, 53, u"'", 649, 696),
    key(4, 54, u"Enter", 700, 812),
    key(5, 55, u"Shift", 47, 164),  key(5, 56, u"Z", 168, 215),    key(5, 57, u"X", 219, 266),    key(5, 58, u"C", 271, 318),
    key(5, 59, u"V", 322, 369),     key(5, 60, u"B", 373, 420),    key(5, 61, u"N", 424, 471),    key(5, 62, u"M", 475, 522),
    key(5, 63, u"<", 526, 573),     key(5, 64, u">", 578, 625),    key(5, 65, u"?", 629, 676),    key(5, 66, u"Shift", 680, 812),
    key(6, 67, u"Ctrl", 47, 110),   key(6, 68, u"Win", 114, 177),  key(6, 69, u"Alt", 182, 245),  key(6, 70, u"Space", 249, 544),
    key(6, 71, u"Alt", 548, 611),   key(6, 72, u"Win", 615, 678),  key(6, 73, u"Menu", 682, 745), key(6, 74, u"Ctrl", 749, 812),
    key(1, 75, u"PrtSc", 842, 889), key(1, 76, u"ScrLk", 893, 940), key(1, 77, u"Pause", 944, 991),
    key(2, 78, u"Ins", 842, 889),   key(2, 79, u"Home", 893, 940), key(2, 80, u"PgUp", 944, 991),
    key(3, 81, u"Del", 842, 889),   key(3, 82, u"End", 893, 940),  key(3, 83, u"PgDn", 944, 991),
    key(5, 84, u"\u2191", 893, 940),
    key(6, 85, u"\u2190", 842, 889), key(6, 86, u"\u2193", 893, 940), key(6, 87, u"\u2192", 944, 991),
}};
// clang-format on

}  // namespace

std::span<const BacklightKey> BacklightKeys::all() { return kKeys; }

SkinButton BacklightKeys::record(const BacklightKey& key)
{
    SkinButton button = SkinButton::button(kFirstKeyId - 1 + key.keyIndex, key.rect);
    button.keyIndex = key.keyIndex;
    return button;
}

std::vector<SkinButton> BacklightKeys::records()
{
    std::vector<SkinButton> keys;
    keys.reserve(kKeys.size());
    for (const BacklightKey& key : kKeys) keys.push_back(record(key));
    return keys;
}

bool BacklightKeys::isKey(const SkinButton& button)
{
    return button.id >= kFirstKeyId && button.id <= kLastKeyId && button.keyIndex >= 1 &&
           button.keyIndex <= KeyboardProfile::kKeyCount;
}
