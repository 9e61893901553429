#include "NumberAttribute.h"

#include <limits>

namespace {

bool isWhiteSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

int NumberAttribute::parse(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isWhiteSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';

    // Accumulate the magnitude in a wider type and stop growing it once it can't fit any more.
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (magnitude <= kLimit)
            magnitude = magnitude * 10 + (text[i] - u'0');
    }
    if (negative)
        return magnitude >= kLimit ? std::numeric_limits<int>::min() : static_cast<int>(-magnitude);
    return magnitude >= kLimit ? std::numeric_limits<int>::max() : static_cast<int>(magnitude);
}
