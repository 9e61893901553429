// The key table of the backlight windows: every key where the keyboard's rows put it, and room
// for every key's light frame.
#include "BacklightKeys.h"

#include <gtest/gtest.h>

#include <set>

namespace {

SkinRect framed(const SkinRect& r) { return {r.left - 2, r.top - 2, r.right + 2, r.bottom + 2}; }

bool overlap(const SkinRect& a, const SkinRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

TEST(BacklightKeysTest, HoldsThe87KeysInKeyIndexOrderWithTheirIds)
{
    const auto keys = BacklightKeys::all();
    ASSERT_EQ(keys.size(), 87u);
    const std::vector<SkinButton> records = BacklightKeys::records();
    ASSERT_EQ(records.size(), 87u);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].keyIndex, static_cast<int>(i) + 1);
        EXPECT_FALSE(keys[i].legend.empty()) << i;
        EXPECT_EQ(records[i].id, 100 + static_cast<int>(i));
        EXPECT_EQ(records[i].keyIndex, static_cast<int>(i) + 1);
        EXPECT_EQ(records[i].rect, keys[i].rect);
        EXPECT_FALSE(records[i].isLabel);
        EXPECT_TRUE(BacklightKeys::isKey(records[i]));
    }
}

TEST(BacklightKeysTest, KeysSitInTheirRowsAtTheirColumns)
{
    struct Case {
        int keyIndex;
        SkinRect rect;
    };
    // The first and last key of each row, the odd sizes, and the keys of the right block.
    const Case cases[] = {
        {1, {47, 102, 94, 145}},    {13, {765, 102, 812, 145}},  {6, {381, 102, 428, 145}},
        {77, {944, 102, 991, 145}}, {14, {47, 153, 94, 196}},    {18, {252, 153, 299, 196}},
        {27, {712, 153, 812, 196}}, {80, {944, 153, 991, 196}},  {28, {47, 203, 122, 246}},
        {41, {740, 203, 812, 246}}, {83, {944, 203, 991, 246}},  {42, {47, 254, 133, 297}},
        {54, {700, 254, 812, 297}}, {55, {47, 304, 164, 347}},   {66, {680, 304, 812, 347}},
        {84, {893, 304, 940, 347}}, {67, {47, 355, 110, 398}},   {70, {249, 355, 544, 398}},
        {74, {749, 355, 812, 398}}, {85, {842, 355, 889, 398}},  {87, {944, 355, 991, 398}},
    };
    for (const Case& c : cases) EXPECT_EQ(BacklightKeys::all()[static_cast<std::size_t>(c.keyIndex - 1)].rect, c.rect) << c.keyIndex;

    const std::set<std::pair<int, int>> rows = {{102, 145}, {153, 196}, {203, 246}, {254, 297}, {304, 347}, {355, 398}};
    for (const BacklightKey& key : BacklightKeys::all())
        EXPECT_TRUE(rows.count({key.rect.top, key.rect.bottom})) << key.keyIndex;
}

TEST(BacklightKeysTest, NoKeysFrameCoversAnotherKey)
{
    const auto keys = BacklightKeys::all();
    for (const BacklightKey& a : keys) {
        EXPECT_GT(a.rect.width(), 0);
        for (const BacklightKey& b : keys)
            if (a.keyIndex != b.keyIndex) {
                EXPECT_FALSE(overlap(framed(a.rect), b.rect)) << a.keyIndex << " / " << b.keyIndex;
            }
    }
}

TEST(BacklightKeysTest, OnlyKeyRecordsAreKeys)
{
    SkinButton label = SkinButton::label(150, {0, 0, 10, 10}, u"", u"");  // an id in the key range
    SkinButton close = SkinButton::button(88, {0, 0, 10, 10});
    SkinButton beyond = BacklightKeys::records().front();
    beyond.keyIndex = 88;
    for (const SkinButton& b : {label, close, beyond}) EXPECT_FALSE(BacklightKeys::isKey(b)) << b.id;
}
