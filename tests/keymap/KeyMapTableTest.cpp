// The key mapping window's record table: positions, ids, rectangles and settings as laid out,
// checked at the records every page and the faces depend on.
#include "KeyMapTable.h"

#include "KeyMapPages.h"
#include "SkinTextFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const std::vector<SkinButton>& table() { return KeyMapTable::records(); }

TEST(KeyMapTable, RecordsSitAtTheirPositionsWithTheirRectangles)
{
    struct Case {
        int position;
        int id;
        SkinRect rect;
        bool label;
    };
    const Case cases[] = {
        {0, 87, {33, 320, 117, 353}, false},   {1, 88, {365, 320, 449, 353}, false},
        {2, 89, {462, 320, 544, 353}, false},  {3, 90, {18, 48, 95, 80}, false},
        {9, 96, {486, 48, 563, 80}, false},    {10, 97, {545, 10, 565, 30}, false},
        {11, 36, {1, 12, 573, 33}, true},      {14, 39, {462, 328, 544, 353}, true},
        {21, 36, {486, 56, 563, 80}, true},    {22, 101, {50, 100, 110, 125}, false},
        {25, 104, {43, 204, 165, 238}, false}, {28, 107, {375, 242, 525, 278}, false},
        {34, 126, {214, 216, 355, 231}, false}, {40, 146, {378, 216, 522, 231}, false},
        {48, 158, {48, 166, 160, 188}, true},  {52, 162, {378, 118, 522, 134}, true},
        {53, 201, {390, 115, 405, 130}, false}, {57, 207, {385, 215, 539, 248}, false},
        {69, 229, {37, 226, 178, 239}, false}, {78, 249, {213, 226, 355, 239}, false},
        {85, 269, {230, 254, 539, 308}, true}, {92, 262, {522, 174, 580, 192}, true},
        {93, 301, {383, 110, 467, 140}, false}, {94, 302, {383, 150, 538, 176}, false},
        {105, 329, {37, 226, 178, 239}, false}, {121, 358, {213, 95, 355, 111}, true},
        {122, 401, {46, 152, 81, 188}, false}, {139, 418, {496, 235, 531, 272}, false},
        {141, 452, {46, 207, 167, 230}, true}, {142, 502, {37, 114, 258, 130}, false},
        {151, 511, {37, 267, 258, 283}, false}, {161, 561, {37, 267, 258, 283}, true},
        {163, 602, {89, 112, 125, 148}, false}, {171, 613, {301, 155, 337, 191}, false},
        {184, 628, {418, 265, 456, 301}, false}, {186, 652, {36, 200, 167, 230}, true},
        {187, 701, {162, 160, 242, 190}, false}, {192, 753, {340, 166, 420, 190}, true},
    };
    ASSERT_EQ(table().size(), 202u);
    for (const Case& c : cases) {
        const SkinButton& b = table()[static_cast<std::size_t>(c.position)];
        EXPECT_EQ(b.id, c.id) << c.position;
        EXPECT_EQ(b.rect, c.rect) << c.position;
        EXPECT_EQ(b.isLabel, c.label) << c.position;
    }
}

TEST(KeyMapTable, OnlyTheReservedSlotsAreEmpty)
{
    std::set<int> empty;
    for (std::size_t i = 0; i < table().size(); ++i)
        if (table()[i].id <= 0) empty.insert(static_cast<int>(i));
    EXPECT_EQ(empty, (std::set<int>{162, 164, 167, 168, 193, 194, 195, 196, 197, 198, 199, 200, 201}));
}

TEST(KeyMapTable, ListRowsAndRecordLabelsCarryTheirSettings)
{
    for (int id : {121, 126, 141, 221, 249, 321, 349}) {
        const auto it = std::find_if(table().begin(), table().end(), [id](const SkinButton& b) { return b.id == id; });
        ASSERT_NE(it, table().end());
        EXPECT_TRUE(it->showCaption) << id;
        EXPECT_EQ(it->fontIndex, 11) << id;
        EXPECT_EQ(it->textFormat, id == 141 ? SkinTextFormat::Center : SkinTextFormat::Left) << id;
    }
    for (int id : {155, 160, 268, 353}) {
        const auto it = std::find_if(table().begin(), table().end(), [id](const SkinButton& b) { return b.id == id; });
        EXPECT_FALSE(it->captionVisible) << id;
        EXPECT_EQ(it->textColor, RGB(0, 255, 0)) << id;
        EXPECT_EQ(it->caption("en-US"), u"Stop Rec") << id;
    }
    EXPECT_TRUE(table()[22].checked) << "Uniques starts checked";
    EXPECT_EQ(table()[41].checkedTextColor, RGB(0, 255, 0));
    EXPECT_EQ(table()[85].textFormat, SkinTextFormat::VCenter);
    EXPECT_EQ(table()[85].caption("en-US").find(u"\r\nrecord list."), 51u);
}

TEST(KeyMapTable, EveryChoiceHasItsValueAndTipsOnlyWherePagesShowThem)
{
    struct Case {
        int page;
        std::size_t count;
        int firstValue;
        int lastValue;
    };
    const Case cases[] = {{4, 18, 115, 117}, {5, 10, 126, 199}, {6, 19, 150, 148}, {7, 3, 75, 77}};
    for (const Case& c : cases) {
        const KeyMapChoiceRange& range = KeyMapPages::of(c.page).choices;
        std::vector<const SkinButton*> choices;
        for (const SkinButton& b : table())
            if (range.holds(b.id)) choices.push_back(&b);
        ASSERT_EQ(choices.size(), c.count) << c.page;
        EXPECT_EQ(choices.front()->value, c.firstValue) << c.page;
        EXPECT_EQ(choices.back()->value, c.lastValue) << c.page;
        for (const SkinButton* b : choices) {
            EXPECT_FALSE(b->isLabel) << b->id;
            EXPECT_EQ(b->tip("en-US").empty(), !range.hasTips) << b->id;
            EXPECT_EQ(b->tip("zh-CN").empty(), !range.hasTips) << b->id;
        }
    }
}

}  // namespace
