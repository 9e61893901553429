#include "KeyTransferArray.h"

#include "ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Ints = std::vector<int>;
using Lines = std::vector<std::u16string>;

// One assignment with its list settings; what a case leaves out has the list defaults.
struct Assignment {
    Assignment(int kind_, int code_ = 0, Lines lines_ = {}, int delay_ = 30, int cycles_ = 1,
               bool autoInterval_ = false, int playMode_ = 0)
        : kind(kind_), code(code_), lines(std::move(lines_)), delay(delay_), cycles(cycles_),
          autoInterval(autoInterval_), playMode(playMode_)
    {
    }
    int kind;
    int code;
    Lines lines;
    int delay;
    int cycles;
    bool autoInterval;
    int playMode;
};

void store(KeyboardProfile& profile, int key, int layer, const Assignment& a)
{
    KeyAssignment& entry = profile.assignment(key, layer);
    entry.kind = a.kind;
    entry.code = a.code;
    entry.actions.clear();
    entry.actions.SizeOfView = 9;
    for (const auto& line : a.lines)
        entry.actions.setOrAppend(ActionList::kAppendRow, line);
    entry.actions.Delay = a.delay;
    entry.actions.Cycles = a.cycles;
    entry.actions.IsAutoInterval = a.autoInterval;
    entry.actions.PlayMode = a.playMode;
}

struct EncodeCase {
    const char* name;
    Assignment assignment;
    Ints array;
};

std::ostream& operator<<(std::ostream& out, const EncodeCase& c) { return out << c.name; }

class KeyTransferEncode : public testing::TestWithParam<EncodeCase> {};

TEST_P(KeyTransferEncode, ArrayOfOneAssignment)
{
    const EncodeCase& c = GetParam();
    auto profile = startedProfile();
    store(*profile, 70, 1, c.assignment);
    EXPECT_EQ(KeyTransferArray::encode(*profile, 70, 1), c.array);
    EXPECT_EQ(KeyTransferArray(*profile).encode(70, 1), c.array);
    EXPECT_EQ(KeyTransferArray::encode(*profile, 70, 0), Ints{});  // the other layer is "Not set"
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyTransferEncode,
    testing::Values(
        EncodeCase{"NotSetSendsNothing", {0, 70, {u"A"}}, {}},
        EncodeCase{"NegativeKindSendsNothing", {-1, 70, {u"A"}}, {}},
        EncodeCase{"Single", {1, 70}, {0, 1, 70}},
        EncodeCase{"Multimedia", {5, 111}, {0, 1, 111}},
        EncodeCase{"Power", {8, 76}, {0, 1, 76}},
        EncodeCase{"MouseLeftClick", {6, 130}, {0, 1, 130}},
        EncodeCase{"DoubleClickAsTwoLeftClicks", {6, 199}, {0, 2, 130, 130}},
        EncodeCase{"KindBeyondTheTableAsSingleCode", {12, 199, {u"A"}}, {0, 1, 199}},
        EncodeCase{"Combo", {2, 0, {u"Left CONTROL", u"C"}}, {0, 2, 67, 58}},
        EncodeCase{"ComboNameWithoutKeyCode", {2, 0, {u"Left CTRL", u"C"}}, {0, 2, 0, 58}},
        EncodeCase{"ComboUnknownLine", {2, 0, {u"-- --"}}, {0, 1, 0}},
        EncodeCase{"EmptyCombo", {2, 0, {}}, {0, 0}},
        EncodeCase{"Emulation", {4, 0, {u"A", u"B"}, 30}, {1, 30, 2, 43, 60}},
        EncodeCase{"MacroRecorded", {3, 0, {u"A Down", u"<50 ms>", u"A UP"}, 30, 3}, {2, 0, 3, 1, 0, 2, 43, 50, 43}},
        EncodeCase{"MacroEndingOnDelay", {3, 0, {u"A Down", u"<50 ms>"}, 30, 3}, {2, 0, 3, 1, 0, 1, 43, 50}},
        EncodeCase{"MacroPressPlaySendsNoCycles", {3, 0, {u"A Down", u"<5 ms>", u"A UP"}, 30, 3, false, 1}, {2, 1, 0, 1, 0, 2, 43, 5, 43}},
        EncodeCase{"MacroTogglePlaySendsNoCycles", {3, 0, {u"B"}, 30, 7, false, 2}, {2, 2, 0, 1, 0, 1, 60}},
        EncodeCase{"MacroAutoDelay", {3, 0, {u"A Down", u"A UP", u"Mouse Key Left"}, 250, 4, true}, {2, 0, 4, 0, 250, 3, 43, 43, 130}}),
    [](const testing::TestParamInfo<EncodeCase>& param) { return std::string(param.param.name); });

struct DecodeCase {
    const char* name;
    Ints array;
    Assignment expected;  // lines, settings: only checked for list kinds
};

std::ostream& operator<<(std::ostream& out, const DecodeCase& c) { return out << c.name; }

class KeyTransferDecode : public testing::TestWithParam<DecodeCase> {};

TEST_P(KeyTransferDecode, AssignmentOfOneArray)
{
    const DecodeCase& c = GetParam();
    auto profile = startedProfile();
    // Something to lose: an old code and old actions.
    store(*profile, 12, 0, {Kind::Single, 33, {u"old line"}, 77});
    KeyTransferArray::decode(*profile, 12, 0, c.array.data(), static_cast<int>(c.array.size()));

    const KeyAssignment& entry = profile->assignment(12, 0);
    EXPECT_EQ(entry.kind, c.expected.kind);
    const bool isList = c.expected.kind == Kind::Combo || c.expected.kind == Kind::Macro || c.expected.kind == Kind::Emulation;
    const bool isCode = !isList && c.expected.kind != Kind::NotSet;
    EXPECT_EQ(entry.code, isCode ? c.expected.code : 33) << "a list or Not set keeps the old code";
    if (!isList) {
        EXPECT_EQ(entry.actions.lines, Lines{u"old line"}) << "a code or Not set keeps the old actions";
        EXPECT_EQ(entry.actions.Delay, 77);
        return;
    }
    const ActionList& list = entry.actions;
    EXPECT_EQ(list.lines, c.expected.lines);
    EXPECT_EQ(list.children.size(), list.lines.size());
    EXPECT_EQ(list.SizeOfView, c.expected.kind == Kind::Combo ? 6 : 9);
    EXPECT_EQ(list.Delay, c.expected.delay);
    EXPECT_EQ(list.Cycles, c.expected.cycles);
    EXPECT_EQ(list.IsAutoInterval, c.expected.autoInterval);
    EXPECT_EQ(list.PlayMode, c.expected.playMode);
    // Appended line by line: the last line is selected.
    EXPECT_EQ(list.textAt(list.CursorPos), list.lines.back());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyTransferDecode,
    testing::Values(
        DecodeCase{"NothingSet", {0, 0}, {Kind::NotSet}},
        DecodeCase{"Single", {0, 1, 70}, {Kind::Single, 70}},
        DecodeCase{"SingleUnknownCode", {0, 1, 160}, {Kind::Single, 160}},
        DecodeCase{"MultimediaLow", {0, 1, 108}, {Kind::Multimedia, 108}},
        DecodeCase{"Multimedia", {0, 1, 120}, {Kind::Multimedia, 120}},
        DecodeCase{"Mouse", {0, 1, 134}, {Kind::Mouse, 134}},
        DecodeCase{"Function", {0, 1, 159}, {Kind::Function, 159}},
        DecodeCase{"PowerSleep", {0, 1, 76}, {Kind::Power, 76}},
        DecodeCase{"PowerWakeUp", {0, 1, 75}, {Kind::Power, 75}},
        DecodeCase{"PowerHigh", {0, 1, 77}, {Kind::Power, 77}},
        DecodeCase{"BelowPower", {0, 1, 74}, {Kind::Single, 74}},
        DecodeCase{"AbovePower", {0, 1, 78}, {Kind::Single, 78}},
        DecodeCase{"KeypadEnter", {0, 1, 107}, {Kind::Single, 107}},
        DecodeCase{"MultimediaHigh", {0, 1, 125}, {Kind::Multimedia, 125}},
        DecodeCase{"MouseLow", {0, 1, 126}, {Kind::Mouse, 126}},
        DecodeCase{"FunctionLow", {0, 1, 135}, {Kind::Function, 135}},
        DecodeCase{"DoubleClickCodeAlone", {0, 1, 199}, {Kind::Single, 199}},
        DecodeCase{"DoubleClick", {0, 2, 130, 130}, {Kind::Mouse, 199}},
        DecodeCase{"TwoDifferentCodesAreACombo", {0, 2, 130, 131}, {Kind::Combo, 0, {u"Mouse Key Left", u"Mouse Key Right"}}},
        DecodeCase{"Combo", {0, 3, 67, 58, 0}, {Kind::Combo, 0, {u"Left CONTROL", u"C", u"-- --"}}},
        DecodeCase{"EmptyEmulation", {1, 30, 0}, {Kind::NotSet}},
        DecodeCase{"Emulation", {1, 45, 2, 43, 60}, {Kind::Emulation, 0, {u"A", u"B"}, 45}},
        DecodeCase{"EmptyMacro", {2, 0, 3, 1, 0, 0}, {Kind::NotSet}},
        DecodeCase{"MacroRecorded", {2, 0, 3, 1, 0, 2, 43, 50, 43}, {Kind::Macro, 0, {u"A", u"<50 ms>", u"A"}, 0, 3}},
        DecodeCase{"MacroAutoDelay", {2, 2, 0, 0, 250, 2, 43, 107}, {Kind::Macro, 0, {u"A", u"(Enter)"}, 250, 0, true, 2}},
        DecodeCase{"MacroNegativeDelay", {2, 1, 0, 1, 0, 2, 1, -5, 1}, {Kind::Macro, 0, {u"ESC", u"<-5 ms>", u"ESC"}, 0, 0, false, 1}},
        DecodeCase{"UnknownForm", {3, 1, 70}, {Kind::NotSet}},
        DecodeCase{"NegativeForm", {-1, 1, 70}, {Kind::NotSet}},
        // A corrupt read-back: counts reaching past the delivered elements, or below zero.
        DecodeCase{"CodeCountPastTheEnd", {0, 1000, 43, 60, 58}, {Kind::Combo, 0, {u"A", u"B", u"C"}}},
        DecodeCase{"SingleCodeMissing", {0, 1}, {Kind::NotSet}},
        DecodeCase{"NegativeCodeCount", {0, -3, 43}, {Kind::NotSet}},
        DecodeCase{"EmulationCountPastTheEnd", {1, 30, 99999, 43}, {Kind::Emulation, 0, {u"A"}, 30}},
        DecodeCase{"EmulationHeaderCut", {1, 30}, {Kind::NotSet}},
        DecodeCase{"MacroAutoCountPastTheEnd", {2, 0, 1, 0, 10, 2147483647, 43, 60}, {Kind::Macro, 0, {u"A", u"B"}, 10, 1, true}},
        DecodeCase{"MacroRecordedCountPastTheEnd", {2, 0, 1, 1, 0, 50, 43, 7, 60, 9}, {Kind::Macro, 0, {u"A", u"<7 ms>", u"B"}, 0, 1}},
        DecodeCase{"MacroHeaderCut", {2, 0, 1, 1}, {Kind::NotSet}},
        DecodeCase{"NegativeMacroCount", {2, 0, 1, 1, 0, -1, 43}, {Kind::NotSet}},
        DecodeCase{"EmptyBuffer", {}, {Kind::NotSet}}),
    [](const testing::TestParamInfo<DecodeCase>& param) { return std::string(param.param.name); });

TEST(KeyTransferRoundTrip, WrittenArraysReadBackAsTheSameArrays)
{
    // Read-back lines carry no press/release suffix, but they convert to the same codes.
    auto profile = startedProfile();
    const Assignment assignments[] = {
        {Kind::Macro, 0, {u"A Down", u"<50 ms>", u"A UP", u"<0 ms>", u"Left CONTROL Down"}, 30, 3},
        {Kind::Macro, 0, {u"F1", u"Mouse Key Middle"}, 600, 1, true, 2},
        {Kind::Emulation, 0, {u"H", u"I"}, 6000},
        {Kind::Combo, 0, {u"Left SHIFT", u"Left CONTROL", u"Z"}},
        {Kind::Mouse, 199}, {Kind::Function, 140}, {Kind::Single, 87},
    };
    for (const Assignment& a : assignments) {
        store(*profile, 5, 1, a);
        const Ints sent = KeyTransferArray::encode(*profile, 5, 1);
        KeyTransferArray::decode(*profile, 40, 0, sent.data(), static_cast<int>(sent.size()));
        EXPECT_EQ(profile->assignment(40, 0).kind, a.kind);
        EXPECT_EQ(KeyTransferArray::encode(*profile, 40, 0), sent);
    }
    EXPECT_EQ(profile->describeAssignment(40, 0), u"UP ARROW");
}

TEST(KeyTransferBounds, KeyOrLayerOutsideTheTablesIsIgnored)
{
    auto profile = startedProfile();
    const Ints single{0, 1, 70};
    for (const auto& [key, layer] : {std::pair{-1, 0}, {88, 0}, {3, 2}, {3, -1}}) {
        EXPECT_EQ(KeyTransferArray::encode(*profile, key, layer), Ints{});
        KeyTransferArray::decode(*profile, key, layer, single.data(), 3);  // must not write anywhere
    }
    KeyTransferArray::decode(*profile, 3, 0, nullptr, 100);
    EXPECT_EQ(profile->assignment(3, 0).kind, Kind::NotSet);
    EXPECT_EQ(profile->assignment(3, 0).code, 3);
}

// Only a crafted profile file can hold lists this long; the array must still fit.
TEST(KeyTransferBounds, OversizedListsAreCutToTheArrayCapacity)
{
    constexpr int kCap = KeyTransferArray::kCapacity;
    struct Case {
        const char* name;
        int kind;
        bool autoInterval;
        int lines;
        int expectedLines;     // lines that go out
        int countElement;      // index of the count in the header
        int expectedCount;     // what the header says
    };
    const Case cases[] = {
        {"Combo", Kind::Combo, false, 70000, kCap - 2, 1, kCap - 2},
        {"Emulation", Kind::Emulation, false, 70000, kCap - 3, 2, kCap - 3},
        {"MacroAutoDelay", Kind::Macro, true, 70000, kCap - 6, 5, kCap - 6},
        // With recorded delays the cut keeps the array ending on an event.
        {"MacroRecorded", Kind::Macro, false, 70001, kCap - 7, 5, (kCap - 6) / 2},
        {"ComboExactlyFull", Kind::Combo, false, kCap - 2, kCap - 2, 1, kCap - 2},
    };
    auto profile = startedProfile();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KeyAssignment& entry = profile->assignment(9, 0);
        entry.kind = c.kind;
        entry.actions.clear();
        entry.actions.IsAutoInterval = c.autoInterval;
        for (int i = 0; i < c.lines; ++i) {
            const bool delayLine = c.kind == Kind::Macro && !c.autoInterval && i % 2 == 1;
            entry.actions.lines.push_back(delayLine ? u"<1 ms>" : u"A Down");
            entry.actions.children.emplace_back();
        }
        const Ints sent = KeyTransferArray::encode(*profile, 9, 0);
        ASSERT_LE(sent.size(), static_cast<std::size_t>(kCap));
        EXPECT_EQ(sent.size(), static_cast<std::size_t>(c.countElement + 1 + c.expectedLines));
        EXPECT_EQ(sent[static_cast<std::size_t>(c.countElement)], c.expectedCount);
        EXPECT_EQ(sent.back(), 43);

        // The cut array reads back whole.
        KeyTransferArray::decode(*profile, 10, 0, sent.data(), static_cast<int>(sent.size()));
        EXPECT_EQ(profile->assignment(10, 0).actions.lineCount(), c.expectedLines);
    }
}

}  // namespace
