#include "DecimalText.h"

#include <climits>

namespace {

bool isBlank(char16_t c, DecimalText::Blanks blanks)
{
    if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
        return true;
    return blanks == DecimalText::Blanks::Any && (c == u'\v' || c == u'\f');
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

int DecimalText::read(std::u16string_view text, Blanks blanks)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i], blanks))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    // The magnitude stops at INT_MAX + 1: enough to tell INT_MIN from overflow either way.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > kLimit)
            value = kLimit;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}
