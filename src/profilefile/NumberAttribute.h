#pragma once

#include <string_view>

// How profile files read a number attribute: leading white space skipped, an optional sign,
// then the digits up to the first other character. No digits (and so a missing attribute,
// which reads as empty text) give 0; a value beyond the int range gives the nearest int.
class NumberAttribute {
public:
    static int parse(std::u16string_view text);
};
