#pragma once

#include "KeyNameIndex.h"

#include <vector>

class KeyboardProfile;

// The integer array in which one assignment (one key on one layer) travels to and from the
// keyboard. Form 0 carries single codes and combinations, form 1 emulations, form 2 macros.
class KeyTransferArray {
public:
    // The largest array the program sends and the buffer it reads into.
    static constexpr int kCapacity = 65536;

    // Builds the name look-up once, for encoding many assignments of the same profile.
    explicit KeyTransferArray(const KeyboardProfile& profile);

    // The array of the assignment, or an empty array when nothing is sent for it (kind 0 or
    // below, or no such key and layer). Never longer than kCapacity.
    std::vector<int> encode(int keyIndex, int layer) const;
    static std::vector<int> encode(const KeyboardProfile& profile, int keyIndex, int layer);

    // Decodes the first count integers of buffer into the assignment. Whatever the result does
    // not name (the code of a list, the actions of a single code) stays as it was; nothing
    // beyond count is read.
    static void decode(KeyboardProfile& profile, int keyIndex, int layer, const int* buffer, int count);

private:
    const KeyboardProfile& profile_;
    KeyNameIndex names_;
};
