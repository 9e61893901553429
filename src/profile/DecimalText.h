#pragma once

#include <string_view>

// Decimal numbers in text: leading blanks, an optional sign, then the digits up to the first
// other character; 0 when there are none. A number beyond the int range reads as the nearest
// int, so no text can overflow.
class DecimalText {
public:
    enum class Blanks {
        Any,         // space, tab, line feed, carriage return, vertical tab, form feed
        XmlSpace,    // only what XML calls white space: space, tab, line feed, carriage return
    };

    static int read(std::u16string_view text, Blanks blanks = Blanks::Any);
};
