#include "NumberAttribute.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct NumberCase {
    std::u16string_view text;
    int value;
};

TEST(NumberAttribute, ReadsLeadingBlanksSignAndDigits)
{
    const NumberCase cases[] = {
        {u"", 0},               // a missing attribute reads as empty text
        {u"0", 0},
        {u"87", 87},
        {u"-5", -5},
        {u"+12", 12},
        {u" \t\r\n42", 42},     // leading white space is skipped
        {u"30ms", 30},          // digits up to the first other character
        {u"5.9", 5},
        {u"abc", 0},            // no digits
        {u"-", 0},
        {u" - 3", 0},           // the sign must be followed by digits at once
        {u"\v7", 0},            // only tab, line feed, carriage return and space are blanks
        {u"007", 7},
        {u"2147483647", INT_MAX},
        {u"-2147483648", INT_MIN},
        {u"2147483648", INT_MAX},  // beyond the int range: the nearest int
        {u"-99999999999999999999", INT_MIN},
        {u"99999999999999999999999999", INT_MAX},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(NumberAttribute::parse(c.text), c.value) << std::string(c.text.begin(), c.text.end());
}

}  // namespace
