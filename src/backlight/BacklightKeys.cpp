#include "BacklightKeys.h"

#include "KeyLegends.h"
#include "KeyboardProfile.h"

#include <array>
#include <utility>

namespace {

// Every key of a row shares its top and bottom: rows 1 (F keys) to 6 (space bar).
constexpr std::array<std::pair<int, int>, 6> kRows = {{{102, 145}, {153, 196}, {203, 246}, {254, 297}, {304, 347}, {355, 398}}};

constexpr BacklightKey key(int row, int keyIndex, int left, int right)
{
    const auto& [top, bottom] = kRows[static_cast<std::size_t>(row - 1)];
    return {keyIndex, KeyLegends::of(keyIndex), {left, top, right, bottom}};
}

// clang-format off
constexpr std::array<BacklightKey, KeyboardProfile::kKeyCount> kKeys = {{
    key(1, 1, 47, 94),      key(1, 2, 149, 196),    key(1, 3, 200, 247),    key(1, 4, 251, 298),
    key(1, 5, 302, 349),     key(1, 6, 381, 428),    key(1, 7, 432, 479),    key(1, 8, 483, 530),
    key(1, 9, 534, 581),     key(1, 10, 612, 659),   key(1, 11, 663, 710),  key(1, 12, 714, 761),
    key(1, 13, 765, 812),
    key(2, 14, 47, 94),       key(2, 15, 98, 145),     key(2, 16, 149, 196),    key(2, 17, 200, 247),
    key(2, 18, 252, 299),     key(2, 19, 303, 350),    key(2, 20, 354, 401),    key(2, 21, 405, 452),
    key(2, 22, 456, 503),     key(2, 23, 507, 554),    key(2, 24, 559, 606),    key(2, 25, 610, 657),
    key(2, 26, 661, 708),     key(2, 27, 712, 812),
    key(3, 28, 47, 122),    key(3, 29, 126, 173),    key(3, 30, 177, 224),    key(3, 31, 228, 275),
    key(3, 32, 279, 326),     key(3, 33, 331, 378),    key(3, 34, 382, 429),    key(3, 35, 433, 480),
    key(3, 36, 484, 531),     key(3, 37, 535, 582),    key(3, 38, 586, 633),    key(3, 39, 638, 685),
    key(3, 40, 689, 736),     key(3, 41, 740, 812),
    key(4, 42, 47, 133), key(4, 43, 137, 184), key(4, 44, 188, 235),    key(4, 45, 239, 286),
    key(4, 46, 291, 338),     key(4, 47, 342, 389),    key(4, 48, 393, 440),    key(4, 49, 444, 491),
    key(4, 50, 495, 542),     key(4, 51, 546, 593),    key(4, 52, 598, 645),    key(4, 53, 649, 696),
    key(4, 54, 700, 812),
    key(5, 55, 47, 164),  key(5, 56, 168, 215),    key(5, 57, 219, 266),    key(5, 58, 271, 318),
    key(5, 59, 322, 369),     key(5, 60, 373, 420),    key(5, 61, 424, 471),    key(5, 62, 475, 522),
    key(5, 63, 526, 573),     key(5, 64, 578, 625),    key(5, 65, 629, 676),    key(5, 66, 680, 812),
    key(6, 67, 47, 110),   key(6, 68, 114, 177),  key(6, 69, 182, 245),  key(6, 70, 249, 544),
    key(6, 71, 548, 611),   key(6, 72, 615, 678),  key(6, 73, 682, 745), key(6, 74, 749, 812),
    key(1, 75, 842, 889), key(1, 76, 893, 940), key(1, 77, 944, 991),
    key(2, 78, 842, 889),   key(2, 79, 893, 940), key(2, 80, 944, 991),
    key(3, 81, 842, 889),   key(3, 82, 893, 940),  key(3, 83, 944, 991),
    key(5, 84, 893, 940),
    key(6, 85, 842, 889), key(6, 86, 893, 940), key(6, 87, 944, 991),
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
