#include "ActionList.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::u16string lineName(int i)
{
    const std::string s = "line " + std::to_string(i);
    return std::u16string(s.begin(), s.end());
}

// A list of n lines "line 0".."line n-1" whose child k holds the single line "child k", with
// the given view. Children make it visible when a line and its child get separated.
ActionList makeList(int n, int sizeOfView, int viewStartAt = 0, int cursorPos = 0)
{
    ActionList list;
    list.SizeOfView = sizeOfView;
    for (int i = 0; i < n; ++i) {
        list.lines.push_back(lineName(i));
        ActionList child;
        child.lines.push_back(u"child " + lineName(i));
        child.children.emplace_back();
        list.children.push_back(child);
    }
    list.ViewStartAt = viewStartAt;
    list.CursorPos = cursorPos;
    return list;
}

// Names the cases of a parameterised table after their name field.
template <class Case>
std::string caseName(const testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

void expectAligned(const ActionList& list)
{
    ASSERT_EQ(list.lines.size(), list.children.size());
    for (std::size_t i = 0; i < list.lines.size(); ++i) {
        if (!list.children[i].lines.empty()) {
            EXPECT_EQ(list.children[i].lines[0], u"child " + list.lines[i]) << "index " << i;
        }
    }
}

void expectDefaultsBesideView(const ActionList& list)
{
    EXPECT_EQ(list.ViewStartAt, 0);
    EXPECT_EQ(list.CursorPos, 0);
    EXPECT_TRUE(list.lines.empty());
    EXPECT_TRUE(list.children.empty());
    EXPECT_EQ(list.Cycles, 1);
    EXPECT_FALSE(list.IsAutoInterval);
    EXPECT_EQ(list.Delay, 30);
    EXPECT_EQ(list.PlayMode, 0);
}

TEST(ActionListBasics, ConstructionGivesEmptyListWithDefaults)
{
    const ActionList list;
    EXPECT_EQ(list.SizeOfView, 0);
    expectDefaultsBesideView(list);
}

TEST(ActionListBasics, ClearKeepsViewSizeAndResetsEverythingElse)
{
    ActionList list = makeList(12, 9, 3, 4);
    list.Cycles = 7;
    list.IsAutoInterval = true;
    list.Delay = 500;
    list.PlayMode = 2;
    list.clear();
    EXPECT_EQ(list.SizeOfView, 9);
    expectDefaultsBesideView(list);
}

TEST(ActionListBasics, TextAtAndChildAtAddressRowsFromTheViewStart)
{
    const ActionList list = makeList(5, 9, 2, 0);
    EXPECT_EQ(list.textAt(0), u"line 2");
    EXPECT_EQ(list.textAt(2), u"line 4");
    EXPECT_EQ(list.textAt(-2), u"line 0");
    EXPECT_EQ(list.childAt(1).lines, std::vector<std::u16string>{u"child line 3"});
}

TEST(ActionListBasics, RowsBeyondTheEndGiveEmptyTextAndAFreshChild)
{
    ActionList list = makeList(3, 6, 1, 0);
    for (int row : {2, 3, -2, ActionList::kAppendRow, -ActionList::kAppendRow}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(list.textAt(row), u"");
        const ActionList child = list.childAt(row);
        EXPECT_EQ(child.SizeOfView, 6);
        expectDefaultsBesideView(child);
    }
    // A view from a file may point anywhere; the row arithmetic must not overflow.
    list.ViewStartAt = 2147483000;
    EXPECT_EQ(list.textAt(ActionList::kAppendRow), u"");
}

TEST(ActionListBasics, ChildAtAndStoreChildCopyDeeply)
{
    ActionList list = makeList(2, 9);
    ActionList child = list.childAt(0);
    child.lines[0] = u"changed";
    EXPECT_EQ(list.children[0].lines[0], u"child line 0");

    list.storeChild(1, child);
    child.lines[0] = u"changed again";
    EXPECT_EQ(list.children[1].lines[0], u"changed");
    EXPECT_EQ(list.lines[1], u"line 1");  // the line itself stays
}

TEST(ActionListBasics, StoreChildBeyondTheEndChangesNothing)
{
    ActionList list = makeList(2, 9);
    const ActionList before = list;
    list.storeChild(2, makeList(1, 6));
    list.storeChild(-1, makeList(1, 6));
    EXPECT_EQ(list.lines, before.lines);
    ASSERT_EQ(list.children.size(), 2u);
    EXPECT_EQ(list.children[0].lines, before.children[0].lines);
    EXPECT_EQ(list.children[1].lines, before.children[1].lines);
}

TEST(ActionListBasics, StoreChildAcceptsTheListItselfAsSource)
{
    ActionList list = makeList(2, 9);
    list.storeChild(0, list);
    ASSERT_EQ(list.children[0].lines.size(), 2u);
    EXPECT_EQ(list.children[0].lines[1], u"line 1");
    EXPECT_EQ(list.children[0].children[0].lines[0], u"child line 0");
}

TEST(ActionListCopy, AssignFromCopiesEverythingDeeply)
{
    ActionList source = makeList(4, 6, 1, 2);
    source.Cycles = 9;
    source.IsAutoInterval = true;
    source.Delay = 75;
    source.PlayMode = 1;
    ActionList target = makeList(7, 9, 5, 1);
    target.assignFrom(source);

    EXPECT_EQ(target.SizeOfView, 6);
    EXPECT_EQ(target.ViewStartAt, 1);
    EXPECT_EQ(target.CursorPos, 2);
    EXPECT_EQ(target.Cycles, 9);
    EXPECT_TRUE(target.IsAutoInterval);
    EXPECT_EQ(target.Delay, 75);
    EXPECT_EQ(target.PlayMode, 1);
    EXPECT_EQ(target.lines, source.lines);
    expectAligned(target);

    source.children[0].lines[0] = u"changed";
    EXPECT_EQ(target.children[0].lines[0], u"child line 0");
}

TEST(ActionListCopy, AssignFromItselfOrItsOwnChildLosesNothing)
{
    ActionList list = makeList(3, 9);
    list.assignFrom(list);
    EXPECT_EQ(list.lineCount(), 3);
    expectAligned(list);

    list.assignFrom(list.children[1]);
    EXPECT_EQ(list.lines, std::vector<std::u16string>{u"child line 1"});
    EXPECT_EQ(list.children.size(), 1u);
}

// Appending: view before the append, and the view expected after it.
struct AppendCase {
    const char* name;
    int lines;
    int sizeOfView;
    int viewStartAt;
    int cursorPos;
    int expectedViewStartAt;
    int expectedCursorPos;
};

std::ostream& operator<<(std::ostream& out, const AppendCase& c) { return out << c.name; }

class ActionListAppend : public testing::TestWithParam<AppendCase> {};

TEST_P(ActionListAppend, NewLineIsLastAndSelected)
{
    const AppendCase& c = GetParam();
    for (const bool viaInsert : {false, true}) {
        SCOPED_TRACE(viaInsert ? "insertAt" : "setOrAppend");
        ActionList list = makeList(c.lines, c.sizeOfView, c.viewStartAt, c.cursorPos);
        if (viaInsert)
            list.insertAt(ActionList::kAppendRow, u"new");
        else
            list.setOrAppend(ActionList::kAppendRow, u"new");

        EXPECT_EQ(list.ViewStartAt, c.expectedViewStartAt);
        EXPECT_EQ(list.CursorPos, c.expectedCursorPos);
        ASSERT_EQ(list.lineCount(), c.lines + 1);
        EXPECT_EQ(list.lines.back(), u"new");
        EXPECT_EQ(list.textAt(list.CursorPos), u"new");
        ASSERT_EQ(list.children.size(), list.lines.size());
        EXPECT_EQ(list.children.back().SizeOfView, c.sizeOfView);
        expectDefaultsBesideView(list.children.back());
        expectAligned(list);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ActionListAppend,
    testing::Values(AppendCase{"EmptyList", 0, 9, 0, 0, 0, 0},
                    AppendCase{"FitsInView", 3, 9, 0, 1, 0, 3},
                    AppendCase{"FillsLastRow", 8, 9, 0, 0, 0, 8},
                    AppendCase{"TenthLineScrollsByOne", 9, 9, 0, 4, 1, 8},
                    AppendCase{"ScrolledFarBack", 20, 6, 10, 0, 15, 5},
                    AppendCase{"ViewPastTheEnd", 5, 9, 30, 2, 30, -25},
                    AppendCase{"NoRows", 2, 0, 0, 0, 3, -1}),
    caseName<AppendCase>);

TEST(ActionListEdit, SetOrAppendOnAValidRowReplacesOnlyTheText)
{
    ActionList list = makeList(4, 9, 1, 2);
    list.setOrAppend(1, u"replaced");
    EXPECT_EQ(list.lines[2], u"replaced");
    EXPECT_EQ(list.children[2].lines[0], u"child line 2");
    EXPECT_EQ(list.lineCount(), 4);
    EXPECT_EQ(list.ViewStartAt, 1);
    EXPECT_EQ(list.CursorPos, 2);
}

TEST(ActionListEdit, InsertAtPutsLineBeforeTheAddressedOneAndKeepsTheView)
{
    ActionList list = makeList(5, 9, 1, 3);
    list.insertAt(2, u"inserted");
    ASSERT_EQ(list.lineCount(), 6);
    EXPECT_EQ(list.lines[3], u"inserted");
    EXPECT_EQ(list.lines[4], u"line 3");
    EXPECT_EQ(list.ViewStartAt, 1);
    EXPECT_EQ(list.CursorPos, 3);
    EXPECT_EQ(list.children[3].SizeOfView, 9);
    EXPECT_TRUE(list.children[3].lines.empty());
    expectAligned(list);
}

TEST(ActionListEdit, InsertingALineOfTheListItselfCopiesIt)
{
    ActionList list = makeList(3, 9);
    list.insertAt(0, list.lines[2]);
    list.setOrAppend(ActionList::kAppendRow, list.lines[0]);
    EXPECT_EQ(list.lines, (std::vector<std::u16string>{u"line 2", u"line 0", u"line 1", u"line 2", u"line 2"}));
}

// Removing: list and view before, row removed, then the line gone and the view after.
struct RemoveCase {
    const char* name;
    int lines;
    int sizeOfView;
    int viewStartAt;
    int cursorPos;
    int row;
    const char16_t* removedLine;
    int expectedViewStartAt;
    int expectedCursorPos;
};

std::ostream& operator<<(std::ostream& out, const RemoveCase& c) { return out << c.name; }

class ActionListRemove : public testing::TestWithParam<RemoveCase> {};

TEST_P(ActionListRemove, RemovesLineWithItsChildAndRepairsTheView)
{
    const RemoveCase& c = GetParam();
    ActionList list = makeList(c.lines, c.sizeOfView, c.viewStartAt, c.cursorPos);
    list.removeAt(c.row);
    ASSERT_EQ(list.lineCount(), c.lines - 1);
    EXPECT_EQ(list.findLine(c.removedLine), -1);
    EXPECT_EQ(list.ViewStartAt, c.expectedViewStartAt);
    EXPECT_EQ(list.CursorPos, c.expectedCursorPos);
    expectAligned(list);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ActionListRemove,
    testing::Values(RemoveCase{"InView", 5, 9, 0, 2, 2, u"line 2", 0, 2},
                    RemoveCase{"RowFromViewStart", 12, 9, 3, 1, 1, u"line 4", 3, 1},
                    RemoveCase{"RowPastTheEndRemovesLast", 4, 9, 0, 1, ActionList::kAppendRow, u"line 3", 0, 1},
                    RemoveCase{"NegativeIndexRemovesLast", 4, 9, 0, 1, -3, u"line 3", 0, 1},
                    RemoveCase{"OnlyLine", 1, 9, 0, 0, 0, u"line 0", 0, 0},
                    RemoveCase{"OnlyLineWithOddView", 1, 9, 4, 3, 0, u"line 0", 0, 0},
                    RemoveCase{"CursorOnLastLine", 10, 9, 1, 8, 8, u"line 9", 1, 7},
                    RemoveCase{"ViewStartPastTheRest", 3, 9, 2, 0, 0, u"line 2", 1, 0},
                    RemoveCase{"ViewStartAndCursorPastTheRest", 4, 9, 3, 2, 0, u"line 3", 2, 0}),
    caseName<RemoveCase>);

TEST(ActionListEdit, RemovingFromAnEmptyListDoesNothing)
{
    ActionList list;
    list.SizeOfView = 9;
    list.ViewStartAt = 4;
    list.CursorPos = 2;
    list.removeAt(0);
    EXPECT_TRUE(list.lines.empty());
    EXPECT_EQ(list.ViewStartAt, 4);
    EXPECT_EQ(list.CursorPos, 2);
}

// Selecting: view before, index asked for, view after.
struct SelectCase {
    const char* name;
    int lines;
    int viewStartAt;
    int cursorPos;
    int index;
    int expectedViewStartAt;
    int expectedCursorPos;
};

std::ostream& operator<<(std::ostream& out, const SelectCase& c) { return out << c.name; }

class ActionListSelect : public testing::TestWithParam<SelectCase> {};

TEST_P(ActionListSelect, MovesCursorOrScrollsLineToFirstRow)
{
    const SelectCase& c = GetParam();
    ActionList list = makeList(c.lines, 6, c.viewStartAt, c.cursorPos);
    list.selectIndex(c.index);
    EXPECT_EQ(list.ViewStartAt, c.expectedViewStartAt);
    EXPECT_EQ(list.CursorPos, c.expectedCursorPos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ActionListSelect,
    testing::Values(SelectCase{"InViewMovesOnlyCursor", 20, 5, 0, 8, 5, 3},
                    SelectCase{"FirstVisibleRow", 20, 5, 3, 5, 5, 0},
                    SelectCase{"LastVisibleRow", 20, 5, 0, 10, 5, 5},
                    SelectCase{"AboveTheView", 20, 5, 2, 3, 3, 0},
                    SelectCase{"JustBelowTheView", 20, 5, 2, 11, 11, 0},
                    SelectCase{"NegativeClampsToFirst", 20, 5, 2, -4, 0, 0},
                    SelectCase{"PastTheEndClampsToLast", 20, 0, 2, 99, 19, 0},
                    SelectCase{"PastTheEndWithLastInView", 6, 0, 2, 99, 0, 5},
                    SelectCase{"EmptyListStaysAsItWas", 0, 0, 0, 3, 0, 0},
                    SelectCase{"EmptyListKeepsOddView", 0, 2, 1, -1, 2, 1}),
    caseName<SelectCase>);

TEST(ActionListFind, FindLineIsExactAndCaseSensitive)
{
    ActionList list;
    for (const char16_t* text : {u"Macro", u"macro", u"Macro", u"Macro "})
        list.setOrAppend(ActionList::kAppendRow, text);
    EXPECT_EQ(list.findLine(u"Macro"), 0);
    EXPECT_EQ(list.findLine(u"macro"), 1);
    EXPECT_EQ(list.findLine(u"Macro "), 3);
    EXPECT_EQ(list.findLine(u"MACRO"), -1);
    EXPECT_EQ(list.findLine(u""), -1);
}

TEST(ActionListJoin, JoinedLinesPutsTheSeparatorOnlyBetweenLines)
{
    struct Case {
        std::vector<std::u16string> lines;
        std::u16string_view separator;
        std::u16string expected;
    };
    const Case cases[] = {
        {{}, u" | ", u""},
        {{u"A"}, u" | ", u"A"},
        {{u"Ctrl", u"Alt", u"Del"}, u" | ", u"Ctrl | Alt | Del"},
        {{u"", u"", u""}, u",", u",,"},           // empty lines still get their separators
        {{u"A", u"B"}, u"", u"AB"},
        {{u"宏", u"😀"}, u" | ", u"宏 | 😀"},
    };
    for (const Case& c : cases) {
        ActionList list;
        for (const auto& line : c.lines)
            list.setOrAppend(ActionList::kAppendRow, line);
        for (auto& child : list.children)  // children never show in the joined text
            child.setOrAppend(ActionList::kAppendRow, u"child");
        EXPECT_EQ(list.joinedLines(c.separator), c.expected) << c.lines.size() << " lines";
    }
}

ActionList macroOf(std::vector<std::u16string> lines)
{
    ActionList list;
    list.SizeOfView = 9;
    for (const auto& line : lines)
        list.setOrAppend(ActionList::kAppendRow, line);
    return list;
}

TEST(ActionListCompare, SameActionsComparesLinesAndPlaySettingsOnly)
{
    const ActionList base = macroOf({u"A Down", u"<50 ms>", u"A UP"});
    struct Case {
        const char* name;
        void (*change)(ActionList&);
        bool same;
    };
    const Case cases[] = {
        {"Identical", [](ActionList&) {}, true},
        {"SizeOfView", [](ActionList& l) { l.SizeOfView = 6; }, true},
        {"View", [](ActionList& l) { l.ViewStartAt = 2; l.CursorPos = 1; }, true},
        {"Children", [](ActionList& l) { l.children[0].lines.push_back(u"x"); l.children[0].children.emplace_back(); }, true},
        {"Cycles", [](ActionList& l) { l.Cycles = 2; }, false},
        {"IsAutoInterval", [](ActionList& l) { l.IsAutoInterval = true; }, false},
        {"Delay", [](ActionList& l) { l.Delay = 31; }, false},
        {"PlayMode", [](ActionList& l) { l.PlayMode = 1; }, false},
        {"LineCase", [](ActionList& l) { l.lines[2] = u"A Up"; }, false},
        {"ExtraLine", [](ActionList& l) { l.setOrAppend(ActionList::kAppendRow, u"<0 ms>"); }, false},
        {"MissingLine", [](ActionList& l) { l.removeAt(ActionList::kAppendRow); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ActionList other = base;
        c.change(other);
        EXPECT_EQ(ActionList::sameActions(base, other), c.same);
        EXPECT_EQ(ActionList::sameActions(other, base), c.same);
    }
}

// A collection of n entries "entry k" whose child k holds the single action "key k".
ActionList collectionOf(int n, int viewStartAt, int cursorPos)
{
    ActionList collection;
    collection.SizeOfView = 6;
    for (int k = 0; k < n; ++k) {
        collection.setOrAppend(ActionList::kAppendRow, lineName(k));
        ActionList child;
        child.SizeOfView = 6;
        child.setOrAppend(ActionList::kAppendRow, u"key " + lineName(k));
        collection.storeChild(collection.CursorPos, child);
    }
    collection.ViewStartAt = viewStartAt;
    collection.CursorPos = cursorPos;
    return collection;
}

ActionList actionsOf(int k)
{
    ActionList actions;
    actions.SizeOfView = 9;  // not compared
    actions.setOrAppend(ActionList::kAppendRow, u"key " + lineName(k));
    return actions;
}

TEST(ActionListSelectOrAddDefault, MatchingEntryIsSelectedLikeSelectIndex)
{
    struct Case {
        int entry;
        int expectedViewStartAt;
        int expectedCursorPos;
    };
    for (const Case& c : {Case{5, 2, 3}, Case{0, 0, 0}, Case{9, 9, 0}}) {
        SCOPED_TRACE(c.entry);
        ActionList collection = collectionOf(10, 2, 0);
        collection.selectOrAddDefault(collection, actionsOf(c.entry));
        EXPECT_EQ(collection.lineCount(), 10);
        EXPECT_EQ(collection.ViewStartAt, c.expectedViewStartAt);
        EXPECT_EQ(collection.CursorPos, c.expectedCursorPos);
    }
}

TEST(ActionListSelectOrAddDefault, FirstOfEqualEntriesWins)
{
    ActionList collection = collectionOf(10, 0, 0);
    collection.storeChild(7, actionsOf(3));
    ActionList::selectOrAddDefault(collection, actionsOf(3));
    EXPECT_EQ(collection.ViewStartAt + collection.CursorPos, 3);
}

TEST(ActionListSelectOrAddDefault, NoMatchAppendsDefaultHoldingACopyOfTheActions)
{
    ActionList collection = collectionOf(10, 0, 1);
    ActionList actions = actionsOf(42);
    actions.Cycles = 3;
    ActionList::selectOrAddDefault(collection, actions);

    ASSERT_EQ(collection.lineCount(), 11);
    EXPECT_EQ(collection.lines.back(), u"default");
    EXPECT_EQ(collection.ViewStartAt, 5);
    EXPECT_EQ(collection.CursorPos, 5);
    const ActionList& stored = collection.children.back();
    EXPECT_TRUE(ActionList::sameActions(stored, actions));
    EXPECT_EQ(stored.SizeOfView, 9);  // the copy keeps the actions' own view size
    EXPECT_EQ(collection.children[9].lines[0], u"key line 9");
}

TEST(ActionListSelectOrAddDefault, EmptyCollectionGetsItsFirstEntry)
{
    ActionList collection;
    collection.SizeOfView = 9;
    ActionList::selectOrAddDefault(collection, actionsOf(1));
    ASSERT_EQ(collection.lineCount(), 1);
    EXPECT_EQ(collection.lines[0], u"default");
    EXPECT_EQ(collection.CursorPos, 0);
    EXPECT_TRUE(ActionList::sameActions(collection.children[0], actionsOf(1)));
}

}  // namespace
