#pragma once

#include "UnitWriter.h"

#include <cstddef>
#include <string>
#include <string_view>

// Our own UTF-8 <-> UTF-16 conversion. Profile files are UTF-8 and may be tens of megabytes, so
// this path avoids iconv and copies runs of ASCII in blocks. Results match a strict platform
// converter: every maximal invalid subsequence becomes one U+FFFD, and so does a lone surrogate
// on the way out.
class Utf8Codec {
public:
    static constexpr char32_t kInvalid = 0xFFFFFFFF;
    static constexpr char16_t kReplacement = 0xFFFD;

    static constexpr bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
    static constexpr bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
    // The code point of a high and low surrogate; the caller has checked both.
    static constexpr char32_t joinSurrogates(char32_t high, char32_t low)
    {
        return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
    }
    // The two halves of a code point beyond U+FFFF (and at most U+10FFFF).
    static constexpr char16_t highSurrogateOf(char32_t codePoint)
    {
        return static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10));
    }
    static constexpr char16_t lowSurrogateOf(char32_t codePoint)
    {
        return static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
    }

    // Decodes the sequence at the start of bytes (length >= 1) and returns the bytes it used,
    // at least 1. A bad sequence (overlong, surrogate, beyond U+10FFFF, cut short) gives
    // kInvalid and uses only its longest valid-looking beginning, so decoding resumes at the
    // first byte that can't belong to it.
    static std::size_t decodeOne(const unsigned char* bytes, std::size_t length,
                                 char32_t& codePoint);

    // Writes the UTF-8 form of a Unicode scalar value (not a surrogate, at most U+10FFFF) into
    // buffer and returns its length, 1 to 4.
    static std::size_t encodeOne(char32_t codePoint, unsigned char (&buffer)[4]);

    // Both stop early only when the writer is full.
    static void toUtf16(const unsigned char* bytes, std::size_t length, UnitWriter<char16_t>& out);
    static void fromUtf16(const char16_t* units, std::size_t length,
                          UnitWriter<unsigned char>& out);

    // Whole strings: counted first, then converted into a string of exactly that size.
    static std::string toUtf8(std::u16string_view text);
    static std::u16string toUtf16(std::string_view bytes);
};
