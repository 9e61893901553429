// The main window's table: function buttons, keys and labels as the window and the skin
// generator read them.
#include "MainWindowLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace MainWindowId;

std::u16string caption(const SkinButton& b, const char* language) { return b.caption(language); }

}  // namespace

TEST(MainWindowLayout, FunctionButtonsComeFirstInTheirOrderWithTheirRectangles)
{
    struct Row {
        int id;
        SkinRect rect;
    };
    const Row rows[] = {
        {Language, {1012, 95, 1142, 130}}, {Help, {1077, 20, 1102, 50}},     {Hide, {1050, 20, 1075, 50}},
        {Exit, {1104, 20, 1129, 50}},      {Save, {35, 95, 130, 130}},       {Open, {150, 95, 245, 130}},
        {Clear, {265, 95, 395, 130}},      {WriteKeys, {430, 95, 550, 130}}, {Backlight, {585, 95, 695, 130}},
        {ReadAll, {740, 95, 850, 130}},    {Firmware, {865, 95, 975, 130}},  {Layer, {50, 210, 120, 270}},
    };
    const auto& table = MainWindowLayout::records();
    ASSERT_EQ(table.size(), 109u);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(table[i].id, rows[i].id) << i;
        EXPECT_EQ(table[i].rect, rows[i].rect) << i;
        EXPECT_FALSE(table[i].isLabel) << i;
        EXPECT_FALSE(table[i].checked) << i;
        EXPECT_EQ(table[i].keyIndex, -1) << i;
        EXPECT_TRUE(table[i].captions.empty()) << i;
    }
}

TEST(MainWindowLayout, EveryKeyOnceWithItsIdAndItsRowRectangle)
{
    const auto& table = MainWindowLayout::records();
    const auto keys = MainWindowLayout::keys();
    ASSERT_EQ(keys.size(), 87u);
    std::set<int> seen;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const SkinButton& b = table[12 + i];
        EXPECT_EQ(b.keyIndex, keys[i].keyIndex) << i;
        EXPECT_EQ(b.id, 99 + keys[i].keyIndex) << i;
        EXPECT_EQ(b.rect, keys[i].rect) << i;
        EXPECT_FALSE(b.isLabel) << i;
        EXPECT_NE(std::u16string(keys[i].legend), u"") << i;
        seen.insert(keys[i].keyIndex);
    }
    EXPECT_EQ(seen.size(), 87u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 87);

    // A sample of every row, the navigation block's higher tops and the widest keys.
    struct Key {
        int keyIndex;
        SkinRect rect;
    };
    const Key samples[] = {
        {1, {180, 165, 225, 212}},   {13, {896, 165, 944, 212}},   {77, {1076, 165, 1126, 212}},
        {14, {180, 217, 225, 262}},  {27, {845, 217, 944, 262}},   {78, {972, 215, 1022, 262}},
        {28, {180, 267, 254, 312}},  {41, {869, 267, 944, 312}},   {83, {1076, 265, 1126, 312}},
        {42, {180, 317, 265, 364}},  {54, {831, 317, 944, 364}},   {55, {180, 367, 295, 414}},
        {66, {810, 367, 944, 414}},  {84, {1024, 366, 1074, 414}}, {70, {378, 417, 675, 464}},
        {73, {815, 417, 877, 464}},  {85, {972, 416, 1022, 464}},  {87, {1076, 416, 1126, 464}},
    };
    for (const Key& k : samples) {
        const SkinButton* b = MainWindowLayout::record(99 + k.keyIndex);
        ASSERT_NE(b, nullptr) << k.keyIndex;
        EXPECT_EQ(b->rect, k.rect) << k.keyIndex;
    }
}

TEST(MainWindowLayout, TenLabelsLastWithBothCaptionsAndGreenLayerLabels)
{
    struct Label {
        int id;
        SkinRect rect;
        std::u16string chinese;
        std::u16string english;
        bool green;
    };
    const Label labels[] = {
        {65, {1012, 101, 1142, 130}, u"English", u"简体中文", false},
        {70, {35, 101, 130, 130}, u"保存配置", u"Save", false},
        {71, {150, 101, 245, 130}, u"打开配置", u"Open", false},
        {72, {295, 101, 395, 130}, u"清空配置", u"Clear", false},
        {73, {435, 101, 550, 130}, u"写入按键", u"WriteKeys", false},
        {74, {585, 101, 695, 130}, u"设置背光", u"LightSet", false},
        {75, {720, 101, 850, 130}, u"读取配置", u"ReadAll", false},
        {76, {880, 101, 985, 130}, u"固件升级", u"Update", false},
        {77, {55, 190, 110, 210}, u"上档键", u"LevelUp", true},
        {78, {55, 270, 110, 300}, u"下档键", u"LevelDn", true},
    };
    const auto& table = MainWindowLayout::records();
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        const SkinButton& b = table[99 + i];
        const Label& l = labels[i];
        EXPECT_EQ(b.id, l.id) << i;
        EXPECT_EQ(b.rect, l.rect) << l.id;
        EXPECT_TRUE(b.isLabel) << l.id;
        EXPECT_EQ(caption(b, "zh-CN"), l.chinese) << l.id;
        EXPECT_EQ(caption(b, "en-US"), l.english) << l.id;
        EXPECT_EQ(b.fontIndex, 13) << l.id;
        EXPECT_EQ(b.textColor, RGB(200, 200, 200)) << l.id;
        EXPECT_EQ(b.checkedTextColor, l.green ? RGB(0, 255, 0) : RGB(200, 200, 200)) << l.id;
    }
}
