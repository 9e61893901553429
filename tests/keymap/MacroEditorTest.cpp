#include "MacroEditor.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::u16string>;

ActionList macro(const Lines& lines, bool autoDelay = false)
{
    ActionList list;
    list.SizeOfView = 9;
    for (const auto& line : lines) list.setOrAppend(ActionList::kAppendRow, line);
    list.IsAutoInterval = autoDelay;
    list.ViewStartAt = 0;
    list.CursorPos = 0;
    return list;
}

const Lines kTimedA{u"A Down", u"<30 ms>", u"A UP"};

TEST(MacroEditorTest, SwitchingDelayModesDropsAndRestoresTheDelayLines)
{
    ActionList timed = macro(kTimedA);
    timed.Cycles = 7;
    timed.PlayMode = 2;
    timed.Delay = 50;
    const ActionList events = MacroEditor::withoutDelayLines(timed);
    EXPECT_EQ(events.lines, (Lines{u"A Down", u"A UP"}));
    EXPECT_EQ(events.children.size(), 2u);
    EXPECT_EQ(events.Cycles, 7);
    EXPECT_EQ(events.PlayMode, 2);
    EXPECT_EQ(events.Delay, 50);
    EXPECT_EQ(events.SizeOfView, 9);
    EXPECT_EQ(events.ViewStartAt + events.CursorPos, 1) << "the view ends on the last line";

    const ActionList back = MacroEditor::withDelayLines(events);
    EXPECT_EQ(back.lines, (Lines{u"A Down", u"<50 ms>", u"A UP"}));
    EXPECT_EQ(back.Cycles, 7);
    EXPECT_TRUE(MacroEditor::withDelayLines(macro({})).lines.empty());
}

TEST(MacroEditorTest, MouseActionsGoBeforeTheRowAndKeepEventsAndDelaysAlternating)
{
    const struct {
        Lines before;
        bool autoDelay;
        int row;
        Lines inserted;
        Lines after;
    } cases[] = {
        {kTimedA, false, 1, {u"Mouse Key Left", u"Mouse Key Left"},
         {u"A Down", u"<0 ms>", u"Mouse Key Left", u"<0 ms>", u"Mouse Key Left", u"<30 ms>", u"A UP"}},
        {kTimedA, false, 0, {u"Mouse Key Left", u"Mouse Key Left"},
         {u"Mouse Key Left", u"<0 ms>", u"Mouse Key Left", u"<0 ms>", u"A Down", u"<30 ms>", u"A UP"}},
        {kTimedA, false, 2, {u"Mouse Key Right"}, {u"A Down", u"<30 ms>", u"Mouse Key Right", u"<0 ms>", u"A UP"}},
        {{u"A Down", u"A UP"}, true, 1, {u"Mouse Wheel Up"}, {u"A Down", u"Mouse Wheel Up", u"A UP"}},
    };
    for (const auto& c : cases) {
        ActionList actions = macro(c.before, c.autoDelay);
        const int added = MacroEditor::insertBefore(actions, c.row, c.inserted);
        EXPECT_EQ(actions.lines, c.after) << c.row;
        EXPECT_EQ(added, static_cast<int>(c.after.size() - c.before.size())) << c.row;
        EXPECT_EQ(actions.children.size(), actions.lines.size());
    }
}

TEST(MacroEditorTest, DeleteTakesTheLineAndWithRecordedDelaysItsPartner)
{
    const Lines timed{u"A Down", u"<30 ms>", u"A UP", u"<10 ms>", u"B Down"};
    const struct {
        Lines before;
        bool autoDelay;
        int row;
        int cursor;
        Lines after;
    } cases[] = {
        {timed, false, 2, 0, {u"A Down", u"<30 ms>", u"B Down"}},   // the event and the delay after it
        {timed, false, 1, 4, {u"A Down", u"<10 ms>", u"B Down"}},   // a delay and the event after it
        {timed, false, 4, 0, {u"A Down", u"<30 ms>", u"A UP"}},     // the last event and the delay before it
        {{u"A Down", u"A UP"}, true, 0, 1, {u"A UP"}},
        {{u"A Down"}, false, 0, 0, {}},
    };
    for (const auto& c : cases) {
        ActionList actions = macro(c.before, c.autoDelay);
        actions.CursorPos = c.cursor;  // the selection does not decide what goes
        const int removed = MacroEditor::remove(actions, c.row);
        EXPECT_EQ(actions.lines, c.after) << c.row;
        EXPECT_EQ(removed, static_cast<int>(c.before.size() - c.after.size())) << c.row;
    }
    ActionList empty = macro({});
    EXPECT_EQ(MacroEditor::remove(empty, 0), 0);
}

TEST(MacroEditorTest, TrimKeepsTheLimitOfTheDelayMode)
{
    for (const auto& [autoDelay, limit] : {std::pair{false, 799}, std::pair{true, 1600}}) {
        ActionList actions = macro({}, autoDelay);
        for (int i = 0; i < limit + 3; ++i) actions.setOrAppend(ActionList::kAppendRow, u"L" + std::u16string(1, u'a' + i % 26));
        const std::u16string lastKept = actions.lines[static_cast<std::size_t>(limit - 1)];
        EXPECT_EQ(MacroEditor::trimToLimit(actions), 3);
        EXPECT_EQ(actions.lineCount(), limit);
        EXPECT_EQ(actions.lines.back(), lastKept);
        EXPECT_EQ(MacroEditor::trimToLimit(actions), 0);
    }
}

TEST(MacroEditorTest, OnlyWellFormedDelayLinesAreEdited)
{
    const struct {
        std::u16string line;
        bool editable;
        std::u16string text;
    } cases[] = {
        {u"<120 ms>", true, u"120"}, {u"<0 ms>", true, u"0"},   {u"<65535 ms>", true, u"65535"},
        {u"A Down", false, u""},     {u"<1 ms> x", false, u""}, {u"<a>b>", false, u""},
        {u"<>", true, u""},          {u"", false, u""},
    };
    for (const auto& c : cases) {
        const std::string shown(c.line.begin(), c.line.end());
        EXPECT_EQ(MacroEditor::isEditableDelay(c.line), c.editable) << shown;
        if (c.editable) {
            EXPECT_EQ(MacroEditor::delayText(c.line), c.text) << shown;
        }
    }
}

TEST(MacroEditorTest, AnEditedDelayIsClampedToWhatALineHolds)
{
    const struct {
        std::u16string typed;
        std::u16string line;
    } cases[] = {
        {u"120", u"<120 ms>"}, {u"70000", u"<65535 ms>"}, {u"-5", u"<0 ms>"}, {u"abc", u"<0 ms>"}, {u" 42x", u"<42 ms>"},
    };
    for (const auto& c : cases) EXPECT_EQ(MacroEditor::delayLineOf(c.typed), c.line);
}

}  // namespace
