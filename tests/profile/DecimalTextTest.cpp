#include "DecimalText.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using Blanks = DecimalText::Blanks;

struct DecimalCase {
    std::u16string_view text;
    int any;       // read with Blanks::Any
    int xmlSpace;  // read with Blanks::XmlSpace
};

std::string shown(std::u16string_view text)
{
    std::string bytes;
    for (const char16_t c : text)
        bytes += c < 0x20 ? '^' : static_cast<char>(c);
    return bytes;
}

TEST(DecimalText, ReadsBlanksSignAndLeadingDigitsAndSaturates)
{
    const DecimalCase cases[] = {
        {u"", 0, 0},
        {u"0", 0, 0},
        {u"87", 87, 87},
        {u"-5", -5, -5},
        {u"+12", 12, 12},
        {u"007", 7, 7},
        {u"30ms", 30, 30},  // digits up to the first other character
        {u"5.9", 5, 5},
        {u"abc", 0, 0},
        {u"-", 0, 0},
        {u"+-3", 0, 0},     // one sign only
        {u" - 3", 0, 0},    // the sign must be followed by digits at once
        {u" \t\r\n42", 42, 42},
        {u"\v7", 7, 0},     // vertical tab and form feed are blanks only to Any
        {u"\f-7", -7, 0},
        {u" \v\f 9", 9, 0},
        {u"\x00A0" u"1", 0, 0},  // no-break space is not a blank
        {u"2147483647", INT_MAX, INT_MAX},
        {u"-2147483647", -INT_MAX, -INT_MAX},
        {u"-2147483648", INT_MIN, INT_MIN},
        {u"2147483648", INT_MAX, INT_MAX},  // beyond the int range: the nearest int
        {u"-2147483649", INT_MIN, INT_MIN},
        {u"21474836470", INT_MAX, INT_MAX},
        {u"-99999999999999999999", INT_MIN, INT_MIN},
        {u"99999999999999999999999999", INT_MAX, INT_MAX},
        {u"00000000000000000000000000000012", 12, 12},  // leading zeros never saturate
    };
    for (const DecimalCase& c : cases) {
        EXPECT_EQ(DecimalText::read(c.text), c.any) << shown(c.text);
        EXPECT_EQ(DecimalText::read(c.text, Blanks::Any), c.any) << shown(c.text);
        EXPECT_EQ(DecimalText::read(c.text, Blanks::XmlSpace), c.xmlSpace) << shown(c.text);
    }
}

}  // namespace
