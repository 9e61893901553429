#include "KeyboardProfile.h"

#include "ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace {

TEST(KeyboardProfileState, ConstructionLeavesEverythingEmpty)
{
    const KeyboardProfile profile;
    EXPECT_EQ(profile.language, "");
    EXPECT_TRUE(profile.keyNames.empty());
    EXPECT_TRUE(std::all_of(profile.deviceCodeOfHost.begin(), profile.deviceCodeOfHost.end(), [](int v) { return v == 0; }));
    EXPECT_TRUE(std::all_of(profile.hostCodeOfDevice.begin(), profile.hostCodeOfDevice.end(), [](int v) { return v == 0; }));
    EXPECT_EQ(profile.kindName(1, "en-US"), u"");
    EXPECT_EQ(profile.predefinedMacro.SizeOfView, 0);
    EXPECT_TRUE(profile.predefinedCombo.lines.empty());
    EXPECT_TRUE(profile.assignments[10].actions.lines.empty());
    EXPECT_EQ(profile.progressWindow.load(), 0u);
    EXPECT_TRUE(profile.firmwarePath.empty());
}

TEST(KeyboardProfileState, InitCatalogueFillsTablesAndSetsEnglish)
{
    KeyboardProfile profile;
    profile.language = "zh-CN";
    profile.initCatalogue();
    EXPECT_EQ(profile.language, "en-US");
    EXPECT_EQ(profile.keyNames.size(), 234u);
    EXPECT_EQ(profile.keyNames.at(220), u"\\");
    EXPECT_EQ(profile.deviceCodeOfHost[65], 43);
    EXPECT_EQ(profile.deviceCodeOfHost[17], 0);   // Left CTRL has no KeyCode
    EXPECT_EQ(profile.deviceCodeOfHost[455], 199);

    profile.initCatalogue();  // a second run gives the same tables, not doubled ones
    EXPECT_EQ(profile.keyNames.size(), 234u);
}

TEST(KeyboardProfileState, ReverseCodeTableLetsTheLastWriterWin)
{
    KeyboardProfile profile;
    profile.initCatalogue();
    EXPECT_EQ(profile.hostCodeOfDevice[0], 1023);
    EXPECT_EQ(profile.hostCodeOfDevice[160], 0);
    EXPECT_EQ(profile.hostCodeOfDevice[1023], 0);
    for (int host = 0; host < KeyboardProfile::kCodeTableSize; ++host) {
        const int key = profile.deviceCodeOfHost[static_cast<std::size_t>(host)];
        if (key != 0) {
            EXPECT_EQ(profile.hostCodeOfDevice[static_cast<std::size_t>(key)], host) << "KeyCode " << key;
        }
    }
}

struct HostNameCase {
    int hostCode;
    bool withDirection;
    const char16_t* name;
};

TEST(KeyboardProfileCatalogue, NameOfHostCode)
{
    const auto profile = startedProfile();
    const HostNameCase cases[] = {
        {65, true, u"A Down"},
        {65 + 512, true, u"A UP"},
        {65, false, u"A"},
        {65 + 512, false, u"A"},
        {600, false, u"X"},          // 600 & 511 = 88
        {7, false, u"-- --"},
        {14, true, u"-- --"},        // unknown names get no suffix
        {500, false, u"-- --"},
        {500 + 512, true, u"-- --"},
        {269, true, u"(Enter) Down"},
        {455, false, u"Left Double Click"},
        {-1, false, u"-- --"},       // -1 & 511 = 511, unnamed
        {1024 + 13, true, u"ENTER UP"},
    };
    for (const HostNameCase& c : cases) {
        EXPECT_EQ(profile->nameOfHostCode(c.hostCode, c.withDirection), c.name)
            << c.hostCode << (c.withDirection ? " with direction" : "");
    }
}

TEST(KeyboardProfileCatalogue, NameOfDeviceCode)
{
    const auto profile = startedProfile();
    const std::pair<int, const char16_t*> cases[] = {
        {70, u"SPACEBAR"}, {107, u"(Enter)"}, {77, u"Power"}, {76, u"Sleep"},
        {199, u"Left Double Click"}, {43, u"A"}, {130, u"Mouse Key Left"}, {1, u"ESC"},
        {0, u"-- --"}, {160, u"-- --"}, {-1, u"-- --"}, {5000, u"-- --"}, {1024, u"-- --"},
        {1023, u"-- --"}, {-2147483647 - 1, u"-- --"},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(profile->nameOfDeviceCode(code), name) << code;
}

TEST(KeyboardProfileCatalogue, KindNamesByLanguageAndOutOfRangeKinds)
{
    auto profile = startedProfile();
    EXPECT_EQ(profile->kindName(0), u"Not set");
    EXPECT_EQ(profile->kindName(3), u"Macro");
    EXPECT_EQ(profile->kindName(8, "zh-CN"), u"电源键");
    profile->language = "zh-CN";
    EXPECT_EQ(profile->kindName(4), u"模拟击键");
    EXPECT_EQ(profile->kindName(4, "en-US"), u"Emulation");
    EXPECT_EQ(profile->kindName(4, "fr-FR"), u"");
    for (int kind : {-1, 9, 100, -2147483647 - 1}) {
        EXPECT_EQ(profile->kindName(kind), u"") << kind;
        EXPECT_EQ(profile->kindName(kind, "en-US"), u"") << kind;
    }
}

TEST(KeyboardProfileReset, ResetGivesDefaultsAndKeepsTheRest)
{
    auto profile = startedProfile();
    profile->language = "zh-CN";
    profile->currentLayer = 1;
    profile->selectedKey = 42;
    profile->multiSelected[5] = 1;
    profile->multiSelectColour = {1, 2, 3};
    profile->firmwarePath = u"/tmp/fw.bin";
    profile->predefinedCombo = listOf({u"New Combo 1"}, 3);
    profile->predefinedCombo.Delay = 99;
    profile->predefinedMacro.SizeOfView = 2;
    profile->keyLights[0] = {9, 9, 9};
    profile->keyLights[87] = {255, 128, 0};
    for (int entry : {0, 1, 99, 175}) {
        auto& a = profile->assignments[static_cast<std::size_t>(entry)];
        a.kind = Kind::Macro;
        a.code = 500;
        a.actions = listOf({u"A Down"}, 4);
        a.actions.Cycles = 5;
    }

    profile->resetProfile();

    EXPECT_EQ(profile->language, "zh-CN");
    EXPECT_EQ(profile->currentLayer, 1);
    EXPECT_EQ(profile->selectedKey, 42);
    EXPECT_EQ(profile->multiSelected[5], 1);
    EXPECT_EQ(profile->multiSelectColour, (KeyLight{1, 2, 3}));
    EXPECT_EQ(profile->firmwarePath, u"/tmp/fw.bin");
    EXPECT_EQ(profile->keyNames.size(), 234u);

    for (const ActionList* list : {&profile->predefinedMacro, &profile->predefinedCombo, &profile->predefinedEmulation}) {
        EXPECT_TRUE(list->lines.empty());
        EXPECT_EQ(list->Delay, 30);
    }
    EXPECT_EQ(profile->predefinedMacro.SizeOfView, 9);
    EXPECT_EQ(profile->predefinedCombo.SizeOfView, 6);
    EXPECT_EQ(profile->predefinedEmulation.SizeOfView, 9);
    for (const KeyLight& light : profile->keyLights)
        EXPECT_EQ(light, KeyLight{});

    for (int key = 0; key < KeyboardProfile::kKeyTableSize; ++key) {
        for (int layer = 0; layer < 2; ++layer) {
            const KeyAssignment& a = profile->assignment(key, layer);
            EXPECT_EQ(a.kind, Kind::NotSet);
            EXPECT_EQ(a.code, key);
            EXPECT_TRUE(a.actions.lines.empty());
            EXPECT_EQ(a.actions.Cycles, 1);
            EXPECT_EQ(profile->describeAssignment(key, layer), u"");
        }
    }
    EXPECT_EQ(profile->assignments[99].actions.SizeOfView, 4);  // the view size is kept
}

struct DescribeCase {
    const char* name;
    int kind;
    int code;
    std::vector<std::u16string> lines;
    const char16_t* text;
};

std::ostream& operator<<(std::ostream& out, const DescribeCase& c) { return out << c.name; }

class KeyboardProfileDescribe : public testing::TestWithParam<DescribeCase> {};

TEST_P(KeyboardProfileDescribe, TextOfOneAssignment)
{
    const DescribeCase& c = GetParam();
    auto profile = startedProfile();
    KeyAssignment& a = profile->assignment(30, 1);
    a.kind = c.kind;
    a.code = c.code;
    a.actions = listOf(c.lines);
    EXPECT_EQ(profile->describeAssignment(30, 1), c.text);
    EXPECT_EQ(profile->describeAssignment(30, 0), u"");  // the other layer is untouched
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyboardProfileDescribe,
    testing::Values(
        DescribeCase{"NotSetIgnoresItsFields", 0, 70, {u"A"}, u""},
        DescribeCase{"Single", 1, 70, {u"A"}, u"SPACEBAR"},
        DescribeCase{"SingleUnknownCode", 1, 160, {}, u"-- --"},
        DescribeCase{"Multimedia", 5, 111, {}, u"Play/Pause"},
        DescribeCase{"DoubleClick", 6, 199, {}, u"Left Double Click"},
        DescribeCase{"Function", 7, 135, {}, u"Backlight Switch"},
        DescribeCase{"Power", 8, 75, {}, u"Wake Up"},
        DescribeCase{"Combo", 2, 0, {u"Left CTRL", u"V"}, u"Left CTRL | V"},
        DescribeCase{"EmptyCombo", 2, 0, {}, u""},
        DescribeCase{"Emulation", 4, 0, {u"H", u"I", u"ENTER"}, u"H | I | ENTER"},
        DescribeCase{"MacroRecorded", 3, 0, {u"A Down", u"<50 ms>", u"A UP"}, u"A,50,A"},
        DescribeCase{"MacroInserted", 3, 0, {u"Mouse Key Left", u"<0 ms>", u"B"}, u"Mouse Key Left,0,B"},
        DescribeCase{"MacroShortLinesKept", 3, 0, {u"<ms>", u" UP", u"Down", u" Down", u"X UP"}, u"<ms>, UP,Down, Down,X"},
        DescribeCase{"MacroOnlyTrailingSuffixDropped", 3, 0, {u"A UP UP", u"A Down B", u"<a>b>"}, u"A UP UP,A Down B,<a>b>"},
        DescribeCase{"MacroInnerAngleKept", 3, 0, {u"<1<2 ms>", u"x<5 ms>"}, u"1<2,x<5 ms>"},
        DescribeCase{"KindBeyondTheTable", 9, 70, {u"A"}, u""},
        DescribeCase{"NegativeKind", -3, 70, {u"A"}, u""}),
    [](const testing::TestParamInfo<DescribeCase>& param) { return std::string(param.param.name); });

// A macro of lines "K1".."Kn" plus filler to reach an exact length, so both sides of the
// 120-character limit can be tried.
TEST(KeyboardProfileDescribeMacro, EllipsisOnlyOnceTheTextPasses120Characters)
{
    struct Case {
        std::size_t firstLineLength;  // then ",B" pairs follow
        bool ellipsis;
    };
    // 118 + ",B" = 120: at the limit, no ellipsis. 119 + ",B" = 121: ellipsis after the "B".
    for (const Case c : {Case{118, false}, Case{119, true}}) {
        SCOPED_TRACE(c.firstLineLength);
        auto profile = startedProfile();
        KeyAssignment& a = profile->assignment(1, 0);
        a.kind = Kind::Macro;
        a.actions = listOf({std::u16string(c.firstLineLength, u'x'), u"B Down"});
        const std::u16string expected = std::u16string(c.firstLineLength, u'x') + u",B" + (c.ellipsis ? u" ... ..." : u"");
        EXPECT_EQ(profile->describeAssignment(1, 0), expected);

        // Lines after the one that crossed the limit are not shown.
        a.actions.setOrAppend(ActionList::kAppendRow, u"C UP");
        const std::u16string withMore = std::u16string(c.firstLineLength, u'x') + (c.ellipsis ? u",B ... ..." : u",B,C ... ...");
        EXPECT_EQ(profile->describeAssignment(1, 0), withMore);
    }
}

TEST(KeyboardProfileDescribeMacro, LongRecordedMacroStopsRightAfterTheCrossingLine)
{
    auto profile = startedProfile();
    KeyAssignment& a = profile->assignment(87, 1);
    a.kind = Kind::Macro;
    for (int i = 0; i < 100; ++i) {
        a.actions.setOrAppend(ActionList::kAppendRow, u"SPACEBAR Down");
        a.actions.setOrAppend(ActionList::kAppendRow, u"<1234 ms>");
    }
    const std::u16string text = profile->describeAssignment(87, 1);
    // "SPACEBAR,1234," is 14 characters: 8 pairs reach 111, "SPACEBAR" makes 120, ",1234" 125.
    std::u16string expected;
    for (int i = 0; i < 8; ++i)
        expected += u"SPACEBAR,1234,";
    expected += u"SPACEBAR,1234 ... ...";
    EXPECT_EQ(text, expected);
}

TEST(KeyboardProfileDescribe, KeyOrLayerOutsideTheTablesGivesEmptyText)
{
    const auto profile = startedProfile();
    for (const auto& [key, layer] : {std::pair{-1, 0}, {88, 0}, {5, 2}, {5, -1}, {2147483647, 1}})
        EXPECT_EQ(profile->describeAssignment(key, layer), u"") << key << "/" << layer;
}

}  // namespace
