#include "NumberText.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(NumberTextTest, ReadsLeadingBlanksSignAndDigitsLikeTheEditsDo)
{
    const struct {
        std::u16string text;
        int value;
    } cases[] = {
        {u"300", 300},  {u"  -12abc", -12}, {u"+7", 7},  {u"", 0},        {u"abc", 0},       {u"-", 0},
        {u"\t42 ms", 42}, {u"4 2", 4},      {u"0070", 70}, {u"99999999999", INT_MAX}, {u"-99999999999", INT_MIN},
        {u"٣", 0},  // digits of other scripts are not digits here
    };
    for (const auto& c : cases) EXPECT_EQ(NumberText::read(c.text), c.value) << std::string(c.text.begin(), c.text.end());
}

TEST(NumberTextTest, BoundsBringAValueBackAndSayWhetherTheyDid)
{
    const NumberText::Bounds cycles{1, 255};
    const NumberText::Bounds upperOnly{std::nullopt, 6000};
    const struct {
        int value;
        NumberText::Bounds bounds;
        int bounded;
        bool changed;
    } cases[] = {
        {300, cycles, 255, true}, {0, cycles, 1, true}, {255, cycles, 255, false}, {1, cycles, 1, false},
        {7000, upperOnly, 6000, true}, {-40, upperOnly, -40, false}, {INT_MIN, upperOnly, INT_MIN, false},
    };
    for (const auto& c : cases) {
        const NumberText::Bounded result = NumberText::bound(c.value, c.bounds);
        EXPECT_EQ(result.value, c.bounded) << c.value;
        EXPECT_EQ(result.changed, c.changed) << c.value;
    }
}

}  // namespace
