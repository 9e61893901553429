// The start-tag scan sixteen units a block. Compiled with AVX2 enabled and called only on
// processors that have it; it uses nothing but intrinsics, so no inline code shared with
// other units is ever built with instructions they can't run.
#include "XmlTagEnd.h"

#include <immintrin.h>

namespace XmlTagScan {

bool quotedAvx2(const char16_t* p, std::int32_t from, std::int32_t n, XmlTagEnd& end)
{
    const __m256i greater = _mm256_set1_epi16(u'>');
    const __m256i quote = _mm256_set1_epi16(u'"');
    const __m256i apostrophe = _mm256_set1_epi16(u'\'');
    const __m256i equals = _mm256_set1_epi16(u'=');
    const auto mask = [](__m256i a, __m256i b) {
        return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi16(a, b)));
    };
    std::uint32_t quoteParity = 0;
    std::uint32_t disqualified = 0;
    std::uint32_t equalsAtEnd = 0;
    for (; from + 16 <= n; from += 16) {
        const __m256i units = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + from));
        std::uint32_t gt = mask(units, greater);
        std::uint32_t before = 0xFFFFFFFFu;
        if (gt != 0) {
            gt &= ~gt + 1;
            before = gt - 1;
        }
        const std::uint32_t dq = mask(units, quote) & before;
        const std::uint32_t eq = mask(units, equals) & before;
        disqualified |= (mask(units, apostrophe) & before) | ((eq << 2) & ~dq) | (equalsAtEnd & ~dq & 1);
        equalsAtEnd = eq >> 30;
        quoteParity ^= dq;
        if (gt != 0) {
            quoteParity &= 0x55555555u;
            quoteParity ^= quoteParity >> 16;
            quoteParity ^= quoteParity >> 8;
            quoteParity ^= quoteParity >> 4;
            quoteParity ^= quoteParity >> 2;
            if (disqualified != 0 || (quoteParity & 1) != 0)
                return false;
            end.close = from + static_cast<std::int32_t>(__builtin_ctz(gt) >> 1);
            end.empty = p[end.close - 1] == u'/';
            return true;
        }
    }
    return false;
}

}  // namespace XmlTagScan
