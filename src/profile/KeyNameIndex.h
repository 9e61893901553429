#pragma once

#include <string>
#include <unordered_map>

class KeyboardProfile;

// Turns one line of an action list into the integer the keyboard receives: the milliseconds
// of a delay line, or the KeyCode of the catalogue name the line spells (with or without its
// " Down" / " UP" suffix), or 0. Built once per transfer, so a long macro costs a few hash
// look-ups per line instead of a walk through the whole catalogue.
class KeyNameIndex {
public:
    explicit KeyNameIndex(const KeyboardProfile& profile);

    int deviceCodeOfItem(const std::u16string& line) const;

    // The number of a delay line such as "<50 ms>"; 0 when it holds no number.
    static int delayOfLine(const std::u16string& line);

private:
    int lowestHostCodeOf(const std::u16string& name, int best) const;

    const KeyboardProfile& profile_;
    std::unordered_map<std::u16string, int> firstHostCode_;  // name -> lowest HostCode with it
};
