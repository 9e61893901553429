#pragma once

#include <span>

// One key or action as the computer numbers it, with its English name.
struct KeyNameEntry {
    int hostCode;
    const char16_t* name;
};

// The keyboard's number for a key or action, with the computer's number for the same one.
struct CodePair {
    int keyCode;
    int hostCode;
};

// The KeyCodes that belong to one kind of assignment other than a plain key.
struct KindCodeRange {
    int kind;
    int firstKeyCode;
    int lastKeyCode;
};

// The fixed tables behind the key code catalogue and the summary texts. The profile copies
// them into its own fields at start-up; everything else reads the profile.
class KeyCatalogue {
public:
    static std::span<const KeyNameEntry> keyNames();   // ascending by HostCode
    static std::span<const CodePair> codePairs();      // ascending by KeyCode
    static std::span<const char16_t* const> kindNamesEnglish();  // AssignmentKind 0..8
    static std::span<const char16_t* const> kindNamesChinese();
    static std::span<const KindCodeRange> kindCodeRanges();
};
