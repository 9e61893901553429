#include "NumberText.h"

#include <climits>

namespace {

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f'; }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

int NumberText::read(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    long long value = 0;
    // Beyond INT_MAX + 1 more digits change nothing once saturated.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > kLimit) value = kLimit;
    }
    if (negative) return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

NumberText::Bounded NumberText::bound(int value, const Bounds& bounds)
{
    if (bounds.maximum && value > *bounds.maximum) return {*bounds.maximum, true};
    if (bounds.minimum && value < *bounds.minimum) return {*bounds.minimum, true};
    return {value, false};
}
