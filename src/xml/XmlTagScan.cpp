#include "XmlTagScan.h"

namespace XmlTagScan {

namespace {

#if defined(VT_XML_AVX2)
const bool kHaveAvx2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
}();
#else
const bool kHaveAvx2 = false;
#endif

bool isQuote(char16_t c) { return c == u'"' || c == u'\''; }
bool isWhiteSpace(char16_t c) { return c == u' ' || c == u'\n' || c == u'\r' || c == u'\t'; }

}  // namespace

XmlTagEnd careful(const char16_t* p, std::int32_t from, std::int32_t n)
{
    std::int32_t i = from;
    while (i < n) {
        const char16_t c = p[i];
        // Letters, the bulk of a tag, sort above every character that matters here.
        if (c > u'>') {
            ++i;
            continue;
        }
        if (c == u'>')
            return {i, p[i - 1] == u'/'};
        if (isQuote(c)) {
            i = closingQuote(p, i + 1, n, c) + 1;
            if (i > n)
                break;
        } else if (c == u'=') {
            ++i;
            while (i < n && isWhiteSpace(p[i]))
                ++i;
            if (i < n && !isQuote(p[i]) && p[i] != u'>') {
                // An unquoted value runs to white space or ">"; a "/" at its end is part of it.
                while (i < n && p[i] != u'>' && !isWhiteSpace(p[i]))
                    ++i;
                if (i < n && p[i] == u'>')
                    return {i, false};
            }
        } else {
            ++i;
        }
    }
    return {};
}

// The common tag, whose values all sit in double quotes right after their "=" and hold no
// ">" or apostrophe, ends at the first ">" that follows an even number of double quotes.
// That is checked eight units at a time; any other tag is left to the careful scan.
// Masks hold two bits per unit, as the byte compares give them.
bool haveAvx2() { return kHaveAvx2; }

#if !defined(VT_XML_AVX2)
bool quotedAvx2(const char16_t*, std::int32_t, std::int32_t, XmlTagEnd&) { return false; }
#endif

bool quoted(const char16_t* p, std::int32_t from, std::int32_t n, XmlTagEnd& end)
{
    return kHaveAvx2 ? quotedAvx2(p, from, n, end) : quotedSse2(p, from, n, end);
}

bool quotedSse2(const char16_t* p, std::int32_t from, std::int32_t n, XmlTagEnd& end)
{
#if defined(__SSE2__)
    const __m128i greater = _mm_set1_epi16(u'>');
    const __m128i quote = _mm_set1_epi16(u'"');
    const __m128i apostrophe = _mm_set1_epi16(u'\'');
    const __m128i equals = _mm_set1_epi16(u'=');
    const auto mask = [](__m128i a, __m128i b) {
        return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi16(a, b)));
    };
    // Both the quote count's parity and the disqualifying cases are gathered per block and
    // judged once, at the block holding the ">".
    std::uint32_t quoteParity = 0;
    std::uint32_t disqualified = 0;
    std::uint32_t equalsAtEnd = 0;  // the previous block ended in "="
    for (; from + 8 <= n; from += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + from));
        std::uint32_t gt = mask(units, greater);
        std::uint32_t before = 0xFFFF;  // the units up to the first ">" of this block
        if (gt != 0) {
            gt &= ~gt + 1;
            before = gt - 1;
        }
        const std::uint32_t dq = mask(units, quote) & before;
        const std::uint32_t eq = mask(units, equals) & before;
        disqualified |= (mask(units, apostrophe) & before) | ((eq << 2) & 0xFFFF & ~dq) | (equalsAtEnd & ~dq & 1);
        equalsAtEnd = eq >> 14;
        quoteParity ^= dq;
        if (gt != 0) {
            quoteParity &= 0x5555;
            quoteParity ^= quoteParity >> 8;
            quoteParity ^= quoteParity >> 4;
            quoteParity ^= quoteParity >> 2;
            if (disqualified != 0 || (quoteParity & 1) != 0)
                return false;
            end.close = from + (__builtin_ctz(gt) >> 1);
            end.empty = p[end.close - 1] == u'/';
            return true;
        }
    }
#else
    (void)p;
    (void)from;
    (void)n;
    (void)end;
#endif
    return false;
}

}  // namespace XmlTagScan
