#pragma once

#include <optional>
#include <string_view>

// Numbers as the number edits read them: optional leading blanks and a sign, then the leading
// digits; 0 when there are none. Text of a number too large for an int reads as the nearest
// int, so no text can overflow.
class NumberText {
public:
    static int read(std::u16string_view text);

    // The bounds an edit keeps; a missing bound is not enforced.
    struct Bounds {
        std::optional<int> minimum;
        std::optional<int> maximum;
    };
    // The value brought into the bounds, and whether that changed it (the edit then shows it).
    struct Bounded {
        int value = 0;
        bool changed = false;
    };
    static Bounded bound(int value, const Bounds& bounds);
};
