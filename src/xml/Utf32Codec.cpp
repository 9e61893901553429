#include "Utf32Codec.h"

#include "Utf8Codec.h"

namespace {

constexpr char32_t kQuestionMark = u'?';

constexpr bool isScalarValue(char32_t c)
{
    return c <= 0x10FFFF && !Utf8Codec::isHighSurrogate(c) && !Utf8Codec::isLowSurrogate(c);
}

}  // namespace

void Utf32Codec::toUtf8(const char32_t* values, std::size_t length,
                        UnitWriter<unsigned char>& out)
{
    for (std::size_t i = 0; i < length; ++i) {
        const char32_t c = isScalarValue(values[i]) ? values[i] : kQuestionMark;
        unsigned char buffer[4];
        if (!out.put(buffer, Utf8Codec::encodeOne(c, buffer))) return;
    }
}

void Utf32Codec::toUtf16(const char32_t* values, std::size_t length, UnitWriter<char16_t>& out)
{
    for (std::size_t i = 0; i < length; ++i) {
        const char32_t c = isScalarValue(values[i]) ? values[i] : kQuestionMark;
        const bool written =
            c < 0x10000 ? out.put(static_cast<char16_t>(c))
                        : out.put(Utf8Codec::highSurrogateOf(c), Utf8Codec::lowSurrogateOf(c));
        if (!written) return;
    }
}

void Utf32Codec::fromUtf16(const char16_t* units, std::size_t length, UnitWriter<char32_t>& out)
{
    for (std::size_t i = 0; i < length; ++i) {
        char32_t c = units[i];
        if (Utf8Codec::isHighSurrogate(c) && i + 1 < length && Utf8Codec::isLowSurrogate(units[i + 1])) {
            c = Utf8Codec::joinSurrogates(c, units[i + 1]);
            ++i;
        } else if (Utf8Codec::isHighSurrogate(c) || Utf8Codec::isLowSurrogate(c)) {
            // Joining with whatever follows would swallow a real character.
            c = kQuestionMark;
        }
        if (!out.put(c)) return;
    }
}

void Utf32Codec::fromUtf8(const unsigned char* bytes, std::size_t length,
                          UnitWriter<char32_t>& out)
{
    std::size_t i = 0;
    while (i < length) {
        char32_t c = 0;
        i += Utf8Codec::decodeOne(bytes + i, length - i, c);
        if (!out.put(c == Utf8Codec::kInvalid ? kQuestionMark : c)) return;
    }
}
