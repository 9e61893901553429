#include "Utf8Codec.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool putUtf16(char32_t codePoint, UnitWriter<char16_t>& out)
{
    if (codePoint < 0x10000) return out.put(static_cast<char16_t>(codePoint));
    return out.put(Utf8Codec::highSurrogateOf(codePoint), Utf8Codec::lowSurrogateOf(codePoint));
}

// Copies the ASCII bytes at the start of bytes; returns how many it took.
std::size_t copyAsciiRun(const unsigned char* bytes, std::size_t length,
                         UnitWriter<char16_t>& out)
{
    const std::size_t limit = out.counting() ? length : std::min(length, out.room());
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    char16_t* dst = out.cursor();
    for (; i + 16 <= limit; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        const int highBits = _mm_movemask_epi8(block);
        if (highBits != 0) {
            i += static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(highBits)));
            break;
        }
        if (!out.counting()) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_unpacklo_epi8(block, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 8),
                             _mm_unpackhi_epi8(block, zero));
        }
    }
    // The tail, and the ASCII prefix of a block that held a non-ASCII byte.
    if (!out.counting())
        for (std::size_t j = i - i % 16; j < i; ++j) dst[j] = bytes[j];
#endif
    for (; i < limit && bytes[i] < 0x80; ++i)
        if (!out.counting()) out.cursor()[i] = bytes[i];
    out.advance(i);
    return i;
}

// Copies the ASCII units at the start of units; returns how many it took.
std::size_t copyAsciiRun(const char16_t* units, std::size_t length,
                         UnitWriter<unsigned char>& out)
{
    const std::size_t limit = out.counting() ? length : std::min(length, out.room());
    unsigned char* dst = out.cursor();
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i nonAscii = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= limit; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + i + 8));
        const __m128i high = _mm_and_si128(_mm_or_si128(a, b), nonAscii);
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(high, zero)) != 0xFFFF) break;
        if (!out.counting())
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(a, b));
    }
#endif
    for (; i < limit && units[i] < 0x80; ++i)
        if (!out.counting()) dst[i] = static_cast<unsigned char>(units[i]);
    out.advance(i);
    return i;
}

}  // namespace

std::size_t Utf8Codec::decodeOne(const unsigned char* bytes, std::size_t length,
                                 char32_t& codePoint)
{
    const unsigned char lead = bytes[0];
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    // The second byte's range depends on the lead; it is what rules out overlong forms,
    // surrogates and values beyond U+10FFFF.
    std::size_t more = 0;
    unsigned char low = 0x80, high = 0xBF;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        value = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        value = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        codePoint = kInvalid;
        return 1;
    }
    for (std::size_t i = 1; i <= more; ++i) {
        if (i >= length || bytes[i] < low || bytes[i] > high) {
            codePoint = kInvalid;
            return i;
        }
        value = (value << 6) | (bytes[i] & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    codePoint = value;
    return more + 1;
}

std::size_t Utf8Codec::encodeOne(char32_t c, unsigned char (&buffer)[4])
{
    if (c < 0x80) {
        buffer[0] = static_cast<unsigned char>(c);
        return 1;
    }
    if (c < 0x800) {
        buffer[0] = static_cast<unsigned char>(0xC0 | (c >> 6));
        buffer[1] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        buffer[0] = static_cast<unsigned char>(0xE0 | (c >> 12));
        buffer[1] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
        buffer[2] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 3;
    }
    buffer[0] = static_cast<unsigned char>(0xF0 | (c >> 18));
    buffer[1] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
    buffer[2] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
    buffer[3] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    return 4;
}

void Utf8Codec::toUtf16(const unsigned char* bytes, std::size_t length,
                        UnitWriter<char16_t>& out)
{
    std::size_t i = 0;
    while (i < length) {
        i += copyAsciiRun(bytes + i, length - i, out);
        if (i >= length) break;
        if (bytes[i] < 0x80) {  // only when the target is full
            out.put(bytes[i]);
            break;
        }
        char32_t codePoint = 0;
        const std::size_t used = decodeOne(bytes + i, length - i, codePoint);
        if (!putUtf16(codePoint == kInvalid ? kReplacement : codePoint, out)) break;
        i += used;
    }
}

void Utf8Codec::fromUtf16(const char16_t* units, std::size_t length,
                          UnitWriter<unsigned char>& out)
{
    std::size_t i = 0;
    while (i < length) {
        i += copyAsciiRun(units + i, length - i, out);
        if (i >= length) break;
        char32_t c = units[i];
        if (c < 0x80) {  // only when the target is full
            out.put(static_cast<unsigned char>(c));
            break;
        }
        std::size_t used = 1;
        if (isHighSurrogate(c) && i + 1 < length && isLowSurrogate(units[i + 1])) {
            c = joinSurrogates(c, units[i + 1]);
            used = 2;
        } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
            c = kReplacement;
        }
        unsigned char buffer[4];
        if (!out.put(buffer, encodeOne(c, buffer))) break;
        i += used;
    }
}

std::string Utf8Codec::toUtf8(std::u16string_view text)
{
    UnitWriter<unsigned char> counter(nullptr, 0);
    fromUtf16(text.data(), text.size(), counter);
    std::string bytes(counter.count(), '\0');
    UnitWriter<unsigned char> out(reinterpret_cast<unsigned char*>(bytes.data()), bytes.size());
    fromUtf16(text.data(), text.size(), out);
    return bytes;
}

std::u16string Utf8Codec::toUtf16(std::string_view bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    UnitWriter<char16_t> counter(nullptr, 0);
    toUtf16(data, bytes.size(), counter);
    std::u16string text(counter.count(), u'\0');
    UnitWriter<char16_t> out(text.data(), text.size());
    toUtf16(data, bytes.size(), out);
    return text;
}
