#pragma once

// Fast scans over UTF-16 markup shared by the tokenizer and the attribute reader.
#include "XmlTagEnd.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace XmlTagScan {

// First offset in [from, n) that holds one of the characters Cs, or n. Markup is mostly long
// runs of ordinary characters, so eight units are compared at a time where the CPU can.
template <char16_t... Cs>
inline std::int32_t scanFor(const char16_t* p, std::int32_t from, std::int32_t n)
{
#if defined(__SSE2__)
    while (from + 8 <= n) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + from));
        __m128i hits = _mm_setzero_si128();
        ((hits = _mm_or_si128(hits, _mm_cmpeq_epi16(units, _mm_set1_epi16(static_cast<short>(Cs))))), ...);
        if (const int mask = _mm_movemask_epi8(hits))
            return from + (__builtin_ctz(static_cast<unsigned>(mask)) >> 1);
        from += 8;
    }
#endif
    while (from < n && ((p[from] != Cs) && ...))
        ++from;
    return from;
}

inline std::int32_t closingQuote(const char16_t* p, std::int32_t from, std::int32_t n, char16_t quote)
{
    return quote == u'"' ? scanFor<u'"'>(p, from, n) : scanFor<u'\''>(p, from, n);
}

// The end of a start tag, scanned from just after its name (so p[from - 1] is the name's last
// character, and a ">" right after it closes no empty element): quotes of either kind hide ">",
// and a value without quotes runs to white space or ">" (so "b/>" in "a=b/>" is no "/>").
XmlTagEnd careful(const char16_t* p, std::int32_t from, std::int32_t n);
// The same for the common tag whose values all sit in double quotes right after their "=";
// false when the tag is of another kind, and then nothing is known. Uses the widest of the
// variants below that the processor runs.
bool quoted(const char16_t* p, std::int32_t from, std::int32_t n, XmlTagEnd& end);
bool quotedSse2(const char16_t* p, std::int32_t from, std::int32_t n, XmlTagEnd& end);
bool quotedAvx2(const char16_t* p, std::int32_t from, std::int32_t n, XmlTagEnd& end);
bool haveAvx2();

}  // namespace XmlTagScan
