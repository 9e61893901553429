#include "SummaryText.h"

#include "ActionListBuilders.h"
#include "KeyboardProfile.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<KeyboardProfile> startedProfile()
{
    auto profile = std::make_unique<KeyboardProfile>();
    profile->initCatalogue();
    profile->resetProfile();
    return profile;
}


}  // namespace

TEST(SummaryText, TitleInEachLanguage)
{
    EXPECT_EQ(SummaryText::title("en-US"), u"Vornic Tamsk Programming Software [Ver 1.0.4]");
    EXPECT_EQ(SummaryText::title("zh-CN"), u"Vornic Tamsk 编程软件 [版本 1.0.4]");
}

TEST(SummaryText, BothLayersWithKindNameAndAssignmentText)
{
    struct Case {
        const char* name;
        int upperKind;
        int upperCode;
        std::vector<std::u16string> upperLines;
        int lowerKind;
        int lowerCode;
        std::vector<std::u16string> lowerLines;
        std::u16string english;
        std::u16string chinese;
    };
    const Case cases[] = {
        {"not set", 0, 43, {}, 0, 43, {},
         u"Vornic Tamsk Programming Software [Ver 1.0.4]\r\n\r\nKey settings L1：Not set \r\n\r\nKey settings L2：Not set \r\n",
         u"Vornic Tamsk 编程软件 [版本 1.0.4]\r\n\r\n上档键：未设置 \r\n\r\n下档键：未设置 \r\n"},
        {"single and mouse", 1, 43, {}, 6, 199, {},
         u"Vornic Tamsk Programming Software [Ver 1.0.4]\r\n\r\nKey settings L1：Single A\r\n\r\n"
         u"Key settings L2：Mouse Left Double Click\r\n",
         u"Vornic Tamsk 编程软件 [版本 1.0.4]\r\n\r\n上档键：单键 A\r\n\r\n下档键：鼠标键 Left Double Click\r\n"},
        {"macro and combo", 3, 0, {u"A Down", u"<50 ms>", u"A UP"}, 2, 0, {u"Left CTRL", u"V"},
         u"Vornic Tamsk Programming Software [Ver 1.0.4]\r\n\r\nKey settings L1：Macro A,50,A\r\n\r\n"
         u"Key settings L2：Combo Left CTRL | V\r\n",
         u"Vornic Tamsk 编程软件 [版本 1.0.4]\r\n\r\n上档键：宏键 A,50,A\r\n\r\n下档键：组合键 Left CTRL | V\r\n"},
        // Only a profile file brings a kind outside 0..8: no name, no text.
        {"unknown kind", 9, 43, {}, -1, 43, {},
         u"Vornic Tamsk Programming Software [Ver 1.0.4]\r\n\r\nKey settings L1： \r\n\r\nKey settings L2： \r\n",
         u"Vornic Tamsk 编程软件 [版本 1.0.4]\r\n\r\n上档键： \r\n\r\n下档键： \r\n"},
    };
    for (const Case& c : cases) {
        auto profile = startedProfile();
        KeyAssignment& upper = profile->assignment(43, 0);
        upper.kind = c.upperKind;
        upper.code = c.upperCode;
        upper.actions = listOf(c.upperLines);
        KeyAssignment& lower = profile->assignment(43, 1);
        lower.kind = c.lowerKind;
        lower.code = c.lowerCode;
        lower.actions = listOf(c.lowerLines);

        EXPECT_EQ(SummaryText::forKey(*profile, 43), c.english) << c.name;
        profile->language = "zh-CN";
        EXPECT_EQ(SummaryText::forKey(*profile, 43), c.chinese) << c.name;
    }
}

TEST(SummaryText, NoKeyGivesTheTitleOnly)
{
    auto profile = startedProfile();
    for (int key : {-1, 88, 1000}) EXPECT_EQ(SummaryText::forKey(*profile, key), SummaryText::title("en-US")) << key;
}
