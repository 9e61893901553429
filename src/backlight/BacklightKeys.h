#pragma once

#include "SkinButton.h"

#include <span>
#include <string_view>
#include <vector>

// One key of the keyboard picture of the backlight windows: its KeyIndex, the legend its
// keycap shows and its rectangle. The 2-pixel bands around the rectangle carry its light frame.
struct BacklightKey {
    int keyIndex;
    std::u16string_view legend;
    SkinRect rect;
};

// The 87 keys of the backlight windows, in KeyIndex order. Both backlight windows build their
// key records from this one table, and the skin generator draws their keycaps from it.
class BacklightKeys {
public:
    static constexpr int kFirstKeyId = 100;  // the key with KeyIndex n has id 99 + n
    static constexpr int kLastKeyId = 188;   // clicks on ids up to here go to the keys

    static std::span<const BacklightKey> all();
    // The button record of a key: id 99 + KeyIndex, keyIndex set.
    static SkinButton record(const BacklightKey& key);
    // The records of all 87 keys, in KeyIndex order.
    static std::vector<SkinButton> records();
    // Whether a clicked record is one of the keys.
    static bool isKey(const SkinButton& button);
};
