// The collection list boxes of pages 1 to 3: driven through the real window where the user
// reaches them, and directly for the cases a window can reach only with odd profile data.
#include "CollectionListBox.h"

#include "KeyMapWindowFixture.h"

#include "KeyMapPages.h"

using namespace keymaptest;

namespace {

ActionList macro(int n) { return listOf({u"Key" + std::u16string(1, char16_t(u'A' + n)) + u" Down", u"<10 ms>"}); }

// Macros named M0, M1, ... each with actions of its own.
ActionList macros(int count)
{
    std::vector<std::pair<std::u16string, ActionList>> entries;
    for (int n = 0; n < count; ++n) entries.emplace_back(u"M" + std::u16string(1, char16_t(u'0' + n)), macro(n));
    return collectionOf(entries);
}

std::vector<std::u16string> names(const ActionList& collection) { return collection.lines; }

// --- through the window -----------------------------------------------------------------------

TEST_F(KeyMapWindowTest, ClickingARowSelectsItsEntryAndShowsItsActions)
{
    profile->predefinedMacro = macros(3);
    auto window = open();
    click(window.get(), tab(2));
    click(window.get(), macroRow(2));
    EXPECT_EQ(window->working().macroCollection.CursorPos, 2);
    EXPECT_EQ(window->working().macroActions.lines, macro(2).lines);
    EXPECT_EQ(bar(window.get(), 1007)->maximum(), 2 + 8) << "the action bar follows the shown actions";
    grabbed(window.get());
    EXPECT_TRUE(recordOf(*window, 223).checked);
    EXPECT_FALSE(recordOf(*window, 221).checked);
    EXPECT_EQ(caption(*window, 241), QStringLiteral("KeyC Down"));

    click(window.get(), macroRow(5));  // no line there
    EXPECT_EQ(window->working().macroCollection.CursorPos, 2);
    EXPECT_FALSE(window->isRenameOpen());
}

TEST_F(KeyMapWindowTest, ActionRowsSelectOnceAndThenDoNothing)
{
    profile->predefinedEmulation = collectionOf({{u"E", listOf({u"A", u"B", u"C"})}});
    auto window = open();
    click(window.get(), tab(3));
    click(window.get(), actionRow(1));
    EXPECT_EQ(window->working().emulationActions.CursorPos, 1);
    click(window.get(), actionRow(1));
    EXPECT_EQ(window->working().emulationActions.CursorPos, 1);
    EXPECT_FALSE(window->isRenameOpen());
    EXPECT_FALSE(window->isDelayEditOpen());
    // The left edge of a row is the row's, not the collection bar's beside it.
    click(window.get(), QPoint(216, 120 + 14 * 2));
    EXPECT_EQ(window->working().emulationActions.CursorPos, 2);
    click(window.get(), actionRow(4));  // no line there
    EXPECT_EQ(window->working().emulationActions.CursorPos, 2);
}

TEST_F(KeyMapWindowTest, RenameByEnterOrByClickingElsewhere)
{
    struct Case {
        const char* name;
        std::function<void(QWidget*)> finish;
        int selectedAfter;
    };
    const Case cases[] = {
        {"Enter", [](QWidget* w) { QTest::keyClick(inPlaceEdit(w), Qt::Key_Return); }, 1},
        {"click on another row", [](QWidget* w) { click(w, macroRow(0)); }, 1},  // the click only commits
        {"click on a tab", [](QWidget* w) { click(w, tab(4)); }, 1},
    };
    for (const Case& c : cases) {
        profile->predefinedMacro = macros(3);
        auto window = open();
        click(window.get(), tab(2));
        click(window.get(), macroRow(1));
        click(window.get(), macroRow(1));
        ASSERT_TRUE(window->isRenameOpen()) << c.name;
        QLineEdit* edit = inPlaceEdit(window.get());
        EXPECT_TRUE(edit->isVisible());
        EXPECT_EQ(edit->text(), QStringLiteral("M1"));
        EXPECT_EQ(edit->geometry(), QRect(37, 128, 141, 13)) << "over the row";
        QTest::keyClicks(edit, QStringLiteral("Fire"));
        c.finish(window.get());
        EXPECT_TRUE(window->isVisible()) << c.name;
        EXPECT_FALSE(window->isRenameOpen()) << c.name;
        EXPECT_FALSE(edit->isVisible());
        EXPECT_EQ(window->working().macroCollection.lines[1], u"Fire") << c.name;
        EXPECT_EQ(window->working().macroCollection.CursorPos, c.selectedAfter) << c.name;
        EXPECT_EQ(window->page(), 2) << c.name;
    }
}

TEST_F(KeyMapWindowTest, RenameIsCommittedWhenTheEditLosesTheFocus)
{
    profile->predefinedMacro = macros(2);
    auto window = open();
    click(window.get(), tab(2));
    click(window.get(), macroRow(0));  // the selected row
    QLineEdit* edit = inPlaceEdit(window.get());
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
    QTest::keyClicks(edit, QStringLiteral("Focus"));
    QLineEdit* times = control<QLineEdit>(window.get(), 1001);
    times->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isRenameOpen(); }));
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(window->working().macroCollection.lines[0], u"Focus");
    EXPECT_TRUE(times->hasFocus());
}

TEST_F(KeyMapWindowTest, EmptyAndDuplicateNamesAreTakenAsTyped)
{
    profile->predefinedEmulation = collectionOf({{u"E1", listOf({u"A"})}, {u"E2", listOf({u"B"})}});
    auto window = open();
    click(window.get(), tab(3));
    click(window.get(), macroRow(0));
    QTest::keyClicks(inPlaceEdit(window.get()), QStringLiteral("E2"));
    QTest::keyClick(inPlaceEdit(window.get()), Qt::Key_Return);
    click(window.get(), macroRow(1));
    click(window.get(), macroRow(1));
    QTest::keyClick(inPlaceEdit(window.get()), Qt::Key_Delete);
    QTest::keyClick(inPlaceEdit(window.get()), Qt::Key_Return);
    EXPECT_EQ(names(window->working().emulationCollection), (std::vector<std::u16string>{u"E2", u""}));
}

TEST_F(KeyMapWindowTest, OkOnPageTwoKeepsTheMacrosButLosesAComboRename)
{
    profile->predefinedCombo = collectionOf({{u"Copy", listOf({u"Left CTRL", u"C"}, 6)}}, 6);
    profile->predefinedMacro = macros(2);
    key().kind = Kind::Combo;
    key().actions = listOf({u"Left CTRL", u"C"}, 6);
    auto window = open();
    click(window.get(), comboRow(0));
    ASSERT_TRUE(window->isRenameOpen());
    QTest::keyClicks(inPlaceEdit(window.get()), QStringLiteral("Paste"));
    QTest::keyClick(inPlaceEdit(window.get()), Qt::Key_Return);
    EXPECT_EQ(window->working().comboCollection.lines[0], u"Paste");

    click(window.get(), tab(2));
    click(window.get(), macroRow(1));
    click(window.get(), macroRow(1));
    QTest::keyClicks(inPlaceEdit(window.get()), QStringLiteral("Burst"));
    click(window.get(), kOk);  // commits the open edit, then stores
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(names(profile->predefinedMacro), (std::vector<std::u16string>{u"M0", u"Burst"}));
    EXPECT_EQ(names(profile->predefinedCombo), (std::vector<std::u16string>{u"Copy"}));
    EXPECT_EQ(key().kind, Kind::Macro);
    EXPECT_EQ(key().actions.lines, macro(1).lines);
}

TEST_F(KeyMapWindowTest, NewProposesTheFirstFreeNameOfTheLanguage)
{
    struct Case {
        std::string language;
        int page;
        std::vector<std::pair<std::u16string, ActionList>> entries;
        QString proposed;
    };
    const Case cases[] = {
        {"zh-CN", 2, {{u"宏定义1", macro(0)}, {u"宏定义3", macro(1)}}, QStringLiteral("宏定义2")},
        {"en-US", 2, {{u"New Macro 1", macro(0)}, {u"new macro 2", macro(1)}}, QStringLiteral("New Macro 2")},
        {"en-US", 3, {{u"New Emu 1", macro(0)}, {u"New Emu 2", macro(1)}}, QStringLiteral("New Emu 3")},
        {"zh-CN", 3, {}, QStringLiteral("模拟击键1")},
        {"zh-CN", 1, {{u"组合键1", macro(0)}}, QStringLiteral("组合键2")},
    };
    for (const Case& c : cases) {
        profile->language = c.language;
        ActionList collection = collectionOf(c.entries, c.page == 1 ? 6 : 9);
        (c.page == 1 ? profile->predefinedCombo : c.page == 2 ? profile->predefinedMacro : profile->predefinedEmulation) = collection;
        key().kind = c.page == 1 ? Kind::Combo : Kind::NotSet;  // New on page 1 wants "Combo"
        key().actions = c.entries.empty() ? ActionList() : c.entries[0].second;
        auto window = open();
        click(window.get(), tab(c.page));
        const int before = bar(window.get(), 1006)->maximum();
        click(window.get(), c.page == 1 ? kNewCombo : kNewOnLeftList);
        ASSERT_TRUE(window->isRenameOpen()) << c.proposed.toStdString();
        EXPECT_EQ(inPlaceEdit(window.get())->text(), c.proposed);
        EXPECT_EQ(bar(window.get(), 1006)->maximum(), before + 1);
        QTest::keyClick(inPlaceEdit(window.get()), Qt::Key_Return);
        const ActionList& shown = c.page == 1 ? window->working().comboCollection
                                  : c.page == 2 ? window->working().macroCollection
                                                : window->working().emulationCollection;
        ASSERT_EQ(shown.lineCount(), static_cast<int>(c.entries.size()) + 1);
        EXPECT_EQ(QString::fromStdU16String(shown.lines.back()), c.proposed);
        EXPECT_EQ(shown.ViewStartAt + shown.CursorPos, shown.lineCount() - 1) << "the new entry is selected";
    }
}

TEST_F(KeyMapWindowTest, NewScrollsSoTheNewEntryIsTheLastVisibleRow)
{
    profile->predefinedMacro = macros(9);
    auto window = open();
    click(window.get(), tab(2));
    click(window.get(), macroRow(4));
    click(window.get(), kNewOnLeftList);
    const ActionList& shown = window->working().macroCollection;
    EXPECT_EQ(shown.lineCount(), 10);
    EXPECT_EQ(shown.ViewStartAt, 1);
    EXPECT_EQ(shown.CursorPos, 8);
    EXPECT_EQ(inPlaceEdit(window.get())->geometry(), QRect(37, 114 + 14 * 8, 141, 13));
    EXPECT_EQ(window->working().macroActions.lineCount(), 0) << "a new entry starts empty";
    EXPECT_EQ(shown.children[4].lines, macro(4).lines) << "the entry left keeps its actions";
    grabbed(window.get());
    EXPECT_EQ(caption(*window, 221), QStringLiteral("M1"));
    EXPECT_TRUE(recordOf(*window, 229).checked);
}

TEST_F(KeyMapWindowTest, DeleteShowsTheActionsOfTheEntryThenSelected)
{
    profile->predefinedMacro = macros(3);
    auto window = open();
    click(window.get(), tab(2));
    click(window.get(), macroRow(1));
    const int before = bar(window.get(), 1006)->maximum();
    click(window.get(), kDeleteOnLeftList);
    EXPECT_EQ(names(window->working().macroCollection), (std::vector<std::u16string>{u"M0", u"M2"}));
    EXPECT_EQ(window->working().macroCollection.CursorPos, 1);
    EXPECT_EQ(window->working().macroActions.lines, macro(2).lines);
    EXPECT_EQ(bar(window.get(), 1006)->maximum(), before - 1);

    click(window.get(), kDeleteOnLeftList);  // the last one: the cursor moves up
    EXPECT_EQ(names(window->working().macroCollection), (std::vector<std::u16string>{u"M0"}));
    EXPECT_EQ(window->working().macroActions.lines, macro(0).lines);
    click(window.get(), kDeleteOnLeftList);
    click(window.get(), kDeleteOnLeftList);  // nothing left to delete
    EXPECT_EQ(window->working().macroCollection.lineCount(), 0);
    EXPECT_EQ(window->working().macroActions.lineCount(), 0);
}

TEST_F(KeyMapWindowTest, NewAndDeleteOnPageOneWantCombo)
{
    profile->predefinedCombo = collectionOf({{u"Copy", listOf({u"Left CTRL", u"C"}, 6)}}, 6);
    auto window = open();  // a key that is not set opens in "Uniques"
    click(window.get(), kNewCombo);
    click(window.get(), kDeleteCombo);
    EXPECT_FALSE(window->isRenameOpen());
    EXPECT_EQ(names(window->working().comboCollection), (std::vector<std::u16string>{u"Copy"}));
    click(window.get(), comboRow(0));  // the selected row
    EXPECT_TRUE(window->isRenameOpen()) << "rows work in both modes";
}

TEST_F(KeyMapWindowTest, DraggingTheCollectionBarSelectsByLineIndex)
{
    profile->predefinedMacro = macros(6);
    auto window = open();
    click(window.get(), tab(2));
    CSkinScrollBar* collectionBar = bar(window.get(), 1006);
    ASSERT_EQ(collectionBar->maximum(), 6 + 8);
    // Track 96 of 126 pixels, thumb 57: 20 pixels down the free 39 are position 3 of 6.
    QTest::mousePress(collectionBar, Qt::LeftButton, {}, QPoint(7, 30));
    QTest::mouseMove(collectionBar, QPoint(7, 50));
    EXPECT_EQ(window->working().macroCollection.CursorPos, 3) << "selected while dragging";
    QTest::mouseRelease(collectionBar, Qt::LeftButton, {}, QPoint(7, 50));
    EXPECT_EQ(collectionBar->position(), 3);
    const ActionList& shown = window->working().macroCollection;
    EXPECT_EQ(shown.ViewStartAt + shown.CursorPos, 3);
    EXPECT_EQ(window->working().macroActions.lines, macro(3).lines);
    EXPECT_EQ(shown.children[0].lines, macro(0).lines) << "the macro left keeps its own actions";
    grabbed(window.get());
    EXPECT_TRUE(recordOf(*window, 224).checked);
    EXPECT_EQ(caption(*window, 241), QStringLiteral("KeyD Down"));
}

TEST_F(KeyMapWindowTest, ScrollingMovesTheRowsUnderAnOpenRenameOnlyAfterItIsCommitted)
{
    profile->predefinedMacro = macros(12);
    auto window = open();
    click(window.get(), tab(2));
    click(window.get(), macroRow(0));
    ASSERT_TRUE(window->isRenameOpen());
    QTest::keyClicks(inPlaceEdit(window.get()), QStringLiteral("First"));
    // The bar's down arrow: the list scrolls, and the typed name stays with the entry it was for.
    CSkinScrollBar* collectionBar = bar(window.get(), 1006);
    QTest::mouseClick(collectionBar, Qt::LeftButton, {}, QPoint(7, 120));
    EXPECT_FALSE(window->isRenameOpen());
    EXPECT_EQ(window->working().macroCollection.lines[0], u"First");
    EXPECT_EQ(window->working().macroCollection.lines[1], u"M1");
    EXPECT_EQ(collectionBar->position(), 1);
}

TEST_F(KeyMapWindowTest, TheActionBarSelectsActionLines)
{
    ActionList longMacro;
    longMacro.SizeOfView = 9;
    for (int i = 0; i < 14; ++i) longMacro.setOrAppend(ActionList::kAppendRow, u"<" + std::u16string(1, char16_t(u'a' + i)) + u" ms>");
    profile->predefinedMacro = collectionOf({{u"Long", longMacro}});
    auto window = open();
    click(window.get(), tab(2));
    CSkinScrollBar* actionBar = bar(window.get(), 1007);
    ASSERT_EQ(actionBar->maximum(), 14 + 8);
    for (int i = 0; i < 12; ++i) QTest::mouseClick(actionBar, Qt::LeftButton, {}, QPoint(7, 120));
    EXPECT_EQ(actionBar->position(), 12);
    const ActionList& actions = window->working().macroActions;
    EXPECT_EQ(actions.ViewStartAt + actions.CursorPos, 12);
    QTest::mouseClick(actionBar, Qt::LeftButton, {}, QPoint(7, 120));
    QTest::mouseClick(actionBar, Qt::LeftButton, {}, QPoint(7, 120));
    EXPECT_EQ(actionBar->position(), 14) << "at most maximum - page + 1";
    EXPECT_EQ(actions.ViewStartAt + actions.CursorPos, 13) << "the last line";
    EXPECT_EQ(window->working().macroCollection.CursorPos, 0) << "the collection stays";
}

// --- the in-place edit when the window closes -------------------------------------------------

TEST_F(KeyMapWindowTest, EscapeInTheOpenEditTakesBackWhatWasTypedAndKeepsTheWindow)
{
    profile->predefinedMacro = macros(2);
    auto window = open();
    click(window.get(), tab(2));
    click(window.get(), macroRow(0));  // the selected row
    ASSERT_TRUE(window->isRenameOpen());
    QTest::keyClicks(inPlaceEdit(window.get()), QStringLiteral("Half"));
    QTest::keyClick(inPlaceEdit(window.get()), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isRenameOpen());
    EXPECT_EQ(window->working().macroCollection.lines[0], u"M0");

    // A new entry keeps the name it was offered rather than none.
    click(window.get(), kNewOnLeftList);
    QTest::keyClicks(inPlaceEdit(window.get()), QStringLiteral("Half"));
    QTest::keyClick(inPlaceEdit(window.get()), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->working().macroCollection.lines[2], u"New Macro 1");

    QTest::keyClick(window.get(), Qt::Key_Escape);  // with the edit closed, Escape closes
    EXPECT_FALSE(window->isVisible());
}

TEST_F(KeyMapWindowTest, ClosingWithoutOkDropsAnOpenEditLikeEverythingElse)
{
    struct Case {
        const char* how;
        std::function<void(CZelkDialogKeyMapSettings*)> close;
        int result;
        bool byClick;  // a click commits an open edit first, then acts
    };
    const Case cases[] = {
        {"window manager", [](CZelkDialogKeyMapSettings* w) { w->close(); }, QDialog::Rejected, false},
        {"Escape from the window", [](CZelkDialogKeyMapSettings* w) { QTest::keyClick(w, Qt::Key_Escape); }, QDialog::Rejected, false},
        {"Enter from the window", [](CZelkDialogKeyMapSettings* w) { QTest::keyClick(w, Qt::Key_Return); }, QDialog::Accepted, false},
        {"Cancel", [](CZelkDialogKeyMapSettings* w) { click(w, kCancel); }, QDialog::Rejected, true},
    };
    for (const Case& c : cases) {
        profile->predefinedMacro = macros(2);
        auto window = open();
        click(window.get(), tab(2));
        click(window.get(), macroRow(0));  // the selected row
        ASSERT_TRUE(window->isRenameOpen()) << c.how;
        QTest::keyClicks(inPlaceEdit(window.get()), QStringLiteral("Half"));
        c.close(window.get());
        EXPECT_FALSE(window->isVisible()) << c.how;
        EXPECT_EQ(window->result(), c.result) << c.how;
        EXPECT_FALSE(window->isRenameOpen()) << c.how;
        EXPECT_FALSE(inPlaceEdit(window.get())->isVisible()) << c.how;
        EXPECT_EQ(window->working().macroCollection.lines[0], c.byClick ? u"Half" : u"M0") << c.how;
        EXPECT_EQ(names(profile->predefinedMacro), (std::vector<std::u16string>{u"M0", u"M1"})) << c.how;
        EXPECT_EQ(key().kind, Kind::NotSet) << c.how;
    }
}

TEST_F(KeyMapWindowTest, ANewEntryNamedInTheEditIsStoredByOk)
{
    auto window = open();
    click(window.get(), tab(3));
    click(window.get(), kNewOnLeftList);
    QTest::keyClicks(inPlaceEdit(window.get()), QStringLiteral("Typing"));
    click(window.get(), kOk);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(names(profile->predefinedEmulation), (std::vector<std::u16string>{u"Typing"}));
    EXPECT_EQ(key().kind, Kind::NotSet) << "an entry without actions assigns nothing";
}

// --- directly: what only odd data reaches -----------------------------------------------------

class ListBoxTest : public ::testing::Test {
protected:
    ListBoxTest() : list(KeyMapPages::of(2), collection, actions, collectionBar, actionBar)
    {
        actions = collection.childAt(collection.CursorPos);
    }

    ActionList collection = macros(4);
    ActionList actions;
    CSkinScrollBar collectionBar{Qt::Vertical};
    CSkinScrollBar actionBar{Qt::Vertical};
    CollectionListBox list;
};

TEST_F(ListBoxTest, DeleteRemovesOnlyASelectionThatShows)
{
    struct Case {
        int viewStart;
        int cursor;
        std::vector<std::u16string> left;
    };
    const Case cases[] = {
        {0, 2, {u"M0", u"M1", u"M3"}},
        {2, 1, {u"M0", u"M1", u"M2"}},
        {0, 6, {u"M0", u"M1", u"M2", u"M3"}},   // a cursor row without a line
        {0, 12, {u"M0", u"M1", u"M2", u"M3"}},  // a cursor off the rows
        {-1, 0, {u"M0", u"M1", u"M2", u"M3"}},
    };
    for (const Case& c : cases) {
        collection = macros(4);
        collection.ViewStartAt = c.viewStart;
        collection.CursorPos = c.cursor;
        list.deleteSelected();
        EXPECT_EQ(collection.lines, c.left) << c.viewStart << "," << c.cursor;
        EXPECT_EQ(actions.lines, collection.childAt(collection.CursorPos).lines);
    }
}

TEST_F(ListBoxTest, ScrollCodesMoveWithinTheReachableRange)
{
    struct Case {
        int from;
        int code;
        int tracked;
        int to;
    };
    // 4 lines: maximum 12, page 9, so positions 0 to 4.
    const Case cases[] = {
        {0, ScrollCode::LineUp, 0, 0},         {0, ScrollCode::LineDown, 0, 1},  {4, ScrollCode::LineDown, 0, 4},
        {3, ScrollCode::PageUp, 0, 0},         {0, ScrollCode::PageDown, 0, 4},  {1, ScrollCode::ThumbTrack, 3, 3},
        {1, ScrollCode::ThumbTrack, 0x10002, 2}, {2, ScrollCode::ThumbPosition, 0, 2}, {1, 9, 0, 1},
    };
    for (const Case& c : cases) {
        list.resetBars();
        ScrollInfo at;
        at.mask = ScrollInfo::Position;
        at.position = c.from;
        collectionBar.setScrollInfo(at, false);
        list.scroll(collectionBar, c.code, c.tracked);
        EXPECT_EQ(collectionBar.position(), c.to) << c.from << " code " << c.code;
        EXPECT_EQ(collection.ViewStartAt + collection.CursorPos, std::min(c.to, 3)) << c.from << " code " << c.code;
    }
}

TEST_F(ListBoxTest, ClickingTheSelectedRowAsksForARenameOverIt)
{
    const auto rename = list.clickCollectionRow(0);
    ASSERT_TRUE(rename.has_value());
    EXPECT_EQ(rename->recordId, 221);
    EXPECT_EQ(rename->text, u"M0");
    EXPECT_FALSE(list.clickCollectionRow(3).has_value());
    EXPECT_EQ(collection.CursorPos, 3);
    EXPECT_EQ(actions.lines, macro(3).lines);
    EXPECT_EQ(list.clickCollectionRow(3)->recordId, 224);
}

}  // namespace
