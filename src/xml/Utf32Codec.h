#pragma once

#include "UnitWriter.h"

#include <cstddef>

// UTF-32 (native char32_t) to and from UTF-8 and UTF-16, done by ourselves. Anything that isn't
// a character on either side becomes "?": a UTF-32 value that is a surrogate or beyond
// U+10FFFF, a UTF-16 surrogate without its partner, a bad UTF-8 sequence.
class Utf32Codec {
public:
    static void toUtf8(const char32_t* values, std::size_t length, UnitWriter<unsigned char>& out);
    static void toUtf16(const char32_t* values, std::size_t length, UnitWriter<char16_t>& out);
    static void fromUtf16(const char16_t* units, std::size_t length, UnitWriter<char32_t>& out);
    static void fromUtf8(const unsigned char* bytes, std::size_t length,
                         UnitWriter<char32_t>& out);
};
