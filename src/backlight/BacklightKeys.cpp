#include "BacklightKeys.h"

#include "KeyboardProfile.h"

#include <array>

namespace {

// Every key of a row shares its top and bottom.
constexpr int kRow1Top = 102, kRow1Bottom = 145;
constexpr int kRow2Top = 153, kRow2Bottom = 196;
constexpr int kRow3Top = 203, kRow3Bottom = 246;
constexpr int kRow4Top = 254, kRow4Bottom = 297;
constexpr int kRow5Top = 304, kRow5Bottom = 347;
constexpr int kRow6Top = 355, kRow6Bottom = 398;

constexpr BacklightKey key1(int n, std::u16string_view legend, int left, int right) { return {n, legend, {left, kRow1Top, right, kRow1Bottom}}; }
constexpr BacklightKey key2(int n, std::u16string_view legend, int left, int right) { return {n, legend, {left, kRow2Top, right, kRow2Bottom}}; }
constexpr BacklightKey key3(int n, std::u16string_view legend, int left, int right) { return {n, legend, {left, kRow3Top, right, kRow3Bottom}}; }
constexpr BacklightKey key4(int n, std::u16string_view legend, int left, int right) { return {n, legend, {left, kRow4Top, right, kRow4Bottom}}; }
constexpr BacklightKey key5(int n, std::u16string_view legend, int left, int right) { return {n, legend, {left, kRow5Top, right, kRow5Bottom}}; }
constexpr BacklightKey key6(int n, std::u16string_view legend, int left, int right) { return {n, legend, {left, kRow6Top, right, kRow6Bottom}}; }

// Legends are short where a small key has no room for the whole name.
// clang-format off
constexpr std::array<BacklightKey, KeyboardProfile::kKeyCount> kKeys = {{
    key1(1, u"Esc", 47, 94),      key1(2, u"F1", 149, 196),    key1(3, u"F2", 200, 247),    key1(4, u"F3", 251, 298),
    key1(5, u"F4", 302, 349),     key1(6, u"F5", 381, 428),    key1(7, u"F6", 432, 479),    key1(8, u"F7", 483, 530),
    key1(9, u"F8", 534, 581),     key1(10, u"F9", 612, 659),   key1(11, u"F10", 663, 710),  key1(12, u"F11", 714, 761),
    key1(13, u"F12", 765, 812),
    key2(14, u"~", 47, 94),       key2(15, u"1", 98, 145),     key2(16, u"2", 149, 196),    key2(17, u"3", 200, 247),
    key2(18, u"4", 252, 299),     key2(19, u"5", 303, 350),    key2(20, u"6", 354, 401),    key2(21, u"7", 405, 452),
    key2(22, u"8", 456, 503),     key2(23, u"9", 507, 554),    key2(24, u"0", 559, 606),    key2(25, u"-", 610, 657),
    key2(26, u"+", 661, 708),     key2(27, u"BackSpace", 712, 812),
    key3(28, u"Tab", 47, 122),    key3(29, u"Q", 126, 173),    key3(30, u"W", 177, 224),    key3(31, u"E", 228, 275),
    key3(32, u"R", 279, 326),     key3(33, u"T", 331, 378),    key3(34, u"Y", 382, 429),    key3(35, u"U", 433, 480),
    key3(36, u"I", 484, 531),     key3(37, u"O", 535, 582),    key3(38, u"P", 586, 633),    key3(39, u"[", 638, 685),
    key3(40, u"]", 689, 736),     key3(41, u"\\", 740, 812),
    key4(42, u"Caps Lock", 47, 133), key4(43, u"A", 137, 184), key4(44, u"S", 188, 235),    key4(45, u"D", 239, 286),
    key4(46, u"F", 291, 338),     key4(47, u"G", 342, 389),    key4(48, u"H", 393, 440),    key4(49, u"J", 444, 491),
    key4(50, u"K", 495, 542),     key4(51, u"L", 546, 593),    key4(52, u";", 598, 645),    key4(53, u"'", 649, 696),
    key4(54, u"Enter", 700, 812),
    key5(55, u"Shift", 47, 164),  key5(56, u"Z", 168, 215),    key5(57, u"X", 219, 266),    key5(58, u"C", 271, 318),
    key5(59, u"V", 322, 369),     key5(60, u"B", 373, 420),    key5(61, u"N", 424, 471),    key5(62, u"M", 475, 522),
    key5(63, u"<", 526, 573),     key5(64, u">", 578, 625),    key5(65, u"?", 629, 676),    key5(66, u"Shift", 680, 812),
    key6(67, u"Ctrl", 47, 110),   key6(68, u"Win", 114, 177),  key6(69, u"Alt", 182, 245),  key6(70, u"Space", 249, 544),
    key6(71, u"Alt", 548, 611),   key6(72, u"Win", 615, 678),  key6(73, u"Menu", 682, 745), key6(74, u"Ctrl", 749, 812),
    key1(75, u"PrtSc", 842, 889), key1(76, u"ScrLk", 893, 940), key1(77, u"Pause", 944, 991),
    key2(78, u"Ins", 842, 889),   key2(79, u"Home", 893, 940), key2(80, u"PgUp", 944, 991),
    key3(81, u"Del", 842, 889),   key3(82, u"End", 893, 940),  key3(83, u"PgDn", 944, 991),
    key5(84, u"\u2191", 893, 940),
    key6(85, u"\u2190", 842, 889), key6(86, u"\u2193", 893, 940), key6(87, u"\u2192", 944, 991),
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
