#include "SkinButton.h"

#include <gtest/gtest.h>

TEST(SkinButton, DefaultsMakeAnEmptySlot)
{
    const SkinButton b;
    EXPECT_EQ(b.id, -1);
    EXPECT_EQ(b.rect, (SkinRect{-1, -1, -1, -1}));
    EXPECT_EQ(b.textColor, RGB(200, 200, 200));
    EXPECT_EQ(b.checkedTextColor, RGB(200, 200, 200));
    EXPECT_EQ(b.keyIndex, -1);
    EXPECT_EQ(b.value, -1);
    EXPECT_FALSE(b.checked);
    EXPECT_FALSE(b.isLabel);
    EXPECT_FALSE(b.showCaption);
    EXPECT_TRUE(b.captionVisible);
    EXPECT_FALSE(b.hovered);
    EXPECT_EQ(b.textFormat, 1u);
    EXPECT_EQ(b.fontIndex, 13);
}

namespace {
struct PointCase {
    int x;
    int y;
    bool inside;
};
}  // namespace

TEST(SkinRect, LeftAndTopEdgesAreInsideRightAndBottomEdgesOutside)
{
    const SkinRect r{332, 9, 355, 45};
    const PointCase cases[] = {
        {332, 9, true},  {354, 44, true},  {340, 20, true},  // corners just inside, middle
        {355, 20, false}, {340, 45, false}, {355, 45, false}, // right and bottom edges
        {331, 20, false}, {340, 8, false},                    // just left, just above
    };
    for (const PointCase& c : cases) EXPECT_EQ(r.contains(c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(SkinButton, CaptionsAndTipsAreLookedUpByLanguageAndMissingOnesAreEmpty)
{
    SkinButton b = SkinButton::label(193, {237, 209, 327, 235}, u"取消", u"Cancel");
    b.tips[LanguageCode::Chinese] = u"提示";
    EXPECT_EQ(b.caption(LanguageCode::English), u"Cancel");
    EXPECT_EQ(b.caption(LanguageCode::Chinese), u"取消");
    EXPECT_EQ(b.caption("de-DE"), u"");
    EXPECT_EQ(b.tip(LanguageCode::Chinese), u"提示");
    EXPECT_EQ(b.tip(LanguageCode::English), u"");
    EXPECT_TRUE(b.isLabel);
    EXPECT_FALSE(SkinButton::button(93, {237, 201, 327, 235}).isLabel);
}

TEST(SkinColor, RgbIsStoredAs0x00BBGGRR)
{
    EXPECT_EQ(RGB(255, 111, 0), 0x00006FFFu);
    EXPECT_EQ(RGB(1, 3, 254), 0x00FE0301u);
    constexpr ColorRef c = RGB(12, 34, 56);
    EXPECT_EQ(redOf(c), 12);
    EXPECT_EQ(greenOf(c), 34);
    EXPECT_EQ(blueOf(c), 56);
}
