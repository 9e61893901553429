// The key mapping window's own switches and edits on pages 1 to 3: the "Uniques"/"Combo"
// switch, the play and delay modes, the number edits, the delay edit and the action menu.
#include "KeyMapWindowFixture.h"

#include <QMenu>

using namespace keymaptest;

namespace {

using Lines = std::vector<std::u16string>;

const Lines kTimedA{u"A Down", u"<30 ms>", u"A UP"};

class PageEditsTest : public KeyMapWindowTest {
protected:
    // A window on the macro page with one macro of these lines selected.
    std::unique_ptr<CZelkDialogKeyMapSettings> macroWindow(const Lines& lines, bool autoDelay = false)
    {
        ActionList macro = listOf(lines);
        macro.IsAutoInterval = autoDelay;
        macro.ViewStartAt = 0;
        macro.CursorPos = 0;
        profile->predefinedMacro = collectionOf({{u"M", macro}});
        auto window = open();
        click(window.get(), tab(2));
        return window;
    }

    static QLineEdit* edit(QWidget* window, int id) { return control<QLineEdit>(window, id); }

    // Replaces what the edit holds by typing, as the user would.
    static void typeInto(QLineEdit* target, const QString& text)
    {
        target->setFocus();
        target->selectAll();
        if (text.isEmpty()) QTest::keyClick(target, Qt::Key_Backspace);
        else QTest::keyClicks(target, text);
    }

    static void rightClick(QWidget* window, QPoint at)
    {
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, at);
    }

    static QMenu* shownMenu(QWidget* window)
    {
        auto* menu = window->findChild<QMenu*>(QStringLiteral("macroMenu"));
        return menu != nullptr && menu->isVisible() ? menu : nullptr;
    }

    static QAction* item(QMenu& menu, const QString& text)
    {
        for (QAction* action : menu.actions())
            if (action->text() == text) return action;
        return nullptr;
    }

    // Clicks through the menu by captions: an item that opens a submenu, then its item.
    static void choose(QWidget* window, const QStringList& path)
    {
        QMenu* menu = shownMenu(window);
        ASSERT_NE(menu, nullptr);
        for (const QString& text : path) {
            QAction* action = item(*menu, text);
            ASSERT_NE(action, nullptr) << text.toStdString();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            if (action->menu() != nullptr) {
                ASSERT_TRUE(QTest::qWaitFor([&] { return action->menu()->isVisible(); }, 2000)) << text.toStdString();
                menu = action->menu();
            }
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return shownMenu(window) == nullptr; }, 2000)) << "the menu closes";
    }

    static int actionBarMaximum(QWidget* window) { return bar(window, 1007)->maximum(); }
};

// --- page 1: the switch -----------------------------------------------------------------------

TEST_F(PageEditsTest, EachSwitchButtonFlipsTheMode)
{
    auto window = open();
    ASSERT_TRUE(window->working().singleKeyMode);
    const struct {
        QPoint at;
        bool single;
    } clicks[] = {{kUniques, false}, {kUniques, true}, {kCombo, false}, {kCombo, true}, {kCombo, false}};
    for (const auto& c : clicks) {
        click(window.get(), c.at);
        EXPECT_EQ(window->working().singleKeyMode, c.single);
        EXPECT_EQ(recordOf(*window, 101).checked, c.single);
        EXPECT_EQ(recordOf(*window, 151).checked, c.single);
        EXPECT_EQ(recordOf(*window, 102).checked, !c.single);
        EXPECT_EQ(recordOf(*window, 152).checked, !c.single);
    }
    const QImage shown = grabbed(window.get());
    EXPECT_TRUE(shows(shown, 109, {210, 100, 212, 125})) << "Combo checked";
    EXPECT_TRUE(shows(shown, 107, {50, 100, 52, 125})) << "Uniques not";
}

TEST_F(PageEditsTest, InUniquesModeOnlyTheRowsOfTheCombinationsWork)
{
    profile->predefinedCombo = collectionOf({{u"Copy", listOf({u"Left CTRL", u"C"}, 6)}, {u"Paste", listOf({u"Left CTRL", u"V"}, 6)}}, 6);
    auto window = open();
    for (QPoint at : {kNewCombo, kDeleteCombo, kRecordCombo}) click(window.get(), at);
    EXPECT_EQ(window->working().comboCollection.lineCount(), 2);
    EXPECT_FALSE(window->isRenameOpen());
    EXPECT_FALSE(window->isRecordingCombo());
    click(window.get(), comboRow(1));
    EXPECT_EQ(window->working().comboCollection.CursorPos, 1);
    EXPECT_EQ(linesOf(window->working().comboActions), (Lines{u"Left CTRL", u"V"}));
    // OK stores the single key in this mode, whatever combination is selected.
    click(window.get(), kOk);
    EXPECT_EQ(key().kind, Kind::NotSet);
}

// --- page 2: play modes and the number edits --------------------------------------------------

TEST_F(PageEditsTest, PlayModesEnableThePlayCountOnlyWhenItCounts)
{
    auto window = macroWindow(kTimedA);
    QLineEdit* times = edit(window.get(), 1001);
    const struct {
        QPoint at;
        int mode;
        int checkedId;
    } cases[] = {{kPlayWhileHeld, 1, 208}, {kPlayToggle, 2, 209}, {kTimesPlay, 0, 201}};
    for (const auto& c : cases) {
        click(window.get(), c.at);
        EXPECT_EQ(window->working().macroActions.PlayMode, c.mode);
        EXPECT_EQ(window->working().macroCollection.children[0].PlayMode, c.mode) << "committed";
        for (int id : {201, 208, 209}) EXPECT_EQ(recordOf(*window, id).checked, id == c.checkedId) << c.mode;
        EXPECT_EQ(times->isEnabled(), c.mode == 0);
    }
    EXPECT_TRUE(times->hasFocus());

    // A macro that opens playing while held shows the count disabled.
    click(window.get(), kPlayWhileHeld);
    click(window.get(), kOk);
    key().kind = Kind::Macro;
    profile->predefinedMacro = ActionList{};
    auto reopened = open();
    grabbed(reopened.get());
    EXPECT_FALSE(edit(reopened.get(), 1001)->isEnabled());
}

TEST_F(PageEditsTest, NumberEditsBringTypedNumbersIntoRangeAtOnce)
{
    struct Case {
        int page;
        int editId;
        QString typed;
        QString shown;
        int stored;
    };
    const Case cases[] = {
        {2, 1001, QStringLiteral("300"), QStringLiteral("255"), 255},
        {2, 1001, QString(), QStringLiteral("1"), 1},
        {2, 1001, QStringLiteral("12"), QStringLiteral("12"), 12},
        {2, 1002, QStringLiteral("70000"), QStringLiteral("60000"), 60000},
        {2, 1002, QStringLiteral("x"), QStringLiteral("x"), 0},
        {3, 1001, QStringLiteral("7000"), QStringLiteral("6000"), 6000},
        {3, 1001, QStringLiteral("-5"), QStringLiteral("-5"), -5},
    };
    profile->predefinedEmulation = collectionOf({{u"E", listOf({u"A"})}});
    for (const Case& c : cases) {
        auto window = macroWindow(kTimedA, true);  // auto delay: the delay edit takes typing
        click(window.get(), tab(c.page));
        QLineEdit* target = edit(window.get(), c.editId);
        typeInto(target, c.typed);
        EXPECT_EQ(target->text(), c.shown) << c.page << " " << c.editId << " " << c.typed.toStdString();
        const KeyMapWorkingState& work = window->working();
        const ActionList& actions = c.page == 2 ? work.macroActions : work.emulationActions;
        const ActionList& stored = c.page == 2 ? work.macroCollection.children[0] : work.emulationCollection.children[0];
        const int value = c.editId == 1001 && c.page == 2 ? actions.Cycles : actions.Delay;
        const int committed = c.editId == 1001 && c.page == 2 ? stored.Cycles : stored.Delay;
        EXPECT_EQ(value, c.stored) << c.typed.toStdString();
        EXPECT_EQ(committed, c.stored) << c.typed.toStdString();
    }
}

// --- page 2: delay modes ----------------------------------------------------------------------

TEST_F(PageEditsTest, SwitchingToAutoDelayAndBackConvertsTheLines)
{
    auto window = macroWindow(kTimedA);
    QLineEdit* delay = edit(window.get(), 1002);
    EXPECT_FALSE(delay->isEnabled());
    const int maximum = actionBarMaximum(window.get());

    click(window.get(), kAutoDelay);
    EXPECT_EQ(linesOf(window->working().macroActions), (Lines{u"A Down", u"A UP"}));
    EXPECT_TRUE(window->working().macroActions.IsAutoInterval);
    EXPECT_TRUE(delay->isEnabled());
    EXPECT_TRUE(delay->hasFocus());
    EXPECT_EQ(actionBarMaximum(window.get()), maximum - 1);
    click(window.get(), kAutoDelay);
    EXPECT_EQ(linesOf(window->working().macroActions), (Lines{u"A Down", u"A UP"})) << "a second click changes nothing";

    typeInto(delay, QStringLiteral("50"));
    click(window.get(), kRecordedDelays);
    EXPECT_EQ(linesOf(window->working().macroActions), (Lines{u"A Down", u"<50 ms>", u"A UP"}));
    EXPECT_FALSE(window->working().macroActions.IsAutoInterval);
    EXPECT_FALSE(delay->isEnabled());
    EXPECT_TRUE(recordOf(*window, 210).checked);
    EXPECT_FALSE(recordOf(*window, 203).checked);
    EXPECT_EQ(linesOf(window->working().macroCollection.children[0]), (Lines{u"A Down", u"<50 ms>", u"A UP"}));
    click(window.get(), kRecordedDelays);
    EXPECT_EQ(window->working().macroActions.lineCount(), 3);
}

TEST_F(PageEditsTest, AutoDelayTakesTheDelayEditsNumberBackIntoRange)
{
    ActionList macro = listOf(kTimedA);
    macro.Delay = 90000;  // as a profile file may bring it
    profile->predefinedMacro = collectionOf({{u"M", macro}});
    key().kind = Kind::Macro;
    key().actions = macro;
    auto window = open();
    grabbed(window.get());
    EXPECT_EQ(edit(window.get(), 1002)->text(), QStringLiteral("60000")) << "corrected on the first paint";
    click(window.get(), kAutoDelay);
    EXPECT_EQ(window->working().macroActions.Delay, 60000);
}

// --- page 2: the delay edit -------------------------------------------------------------------

TEST_F(PageEditsTest, ASelectedDelayRowClickedAgainEditsItsNumber)
{
    auto window = macroWindow({u"A Down", u"<120 ms>", u"A UP"});
    click(window.get(), actionRow(0));
    click(window.get(), actionRow(0));
    EXPECT_FALSE(window->isDelayEditOpen()) << "an event line is not edited";
    click(window.get(), actionRow(1));
    EXPECT_FALSE(window->isDelayEditOpen()) << "the first click selects";
    click(window.get(), actionRow(1));
    ASSERT_TRUE(window->isDelayEditOpen());
    QLineEdit* editor = inPlaceEdit(window.get());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), QStringLiteral("120"));
    EXPECT_EQ(editor->geometry(), QRect(213, 128, 142, 13));
    grabbed(window.get()).save(QDir(outputFolder()).filePath(QStringLiteral("delay-edit.png")));

    QTest::keyClicks(editor, "70000");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(window->isDelayEditOpen());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(linesOf(window->working().macroActions), (Lines{u"A Down", u"<65535 ms>", u"A UP"}));
    EXPECT_EQ(window->working().macroCollection.children[0].lines[1], u"<65535 ms>");

    // Clicking elsewhere commits too; what is not a number reads as 0.
    click(window.get(), actionRow(1));
    QTest::keyClicks(inPlaceEdit(window.get()), "-3");
    click(window.get(), kTimesPlay);
    EXPECT_EQ(window->working().macroActions.lines[1], u"<0 ms>");
    EXPECT_EQ(window->working().macroActions.PlayMode, 0) << "the click only closed the edit";
}

TEST_F(PageEditsTest, EmulationRowsAreSelectedButNeverEdited)
{
    profile->predefinedEmulation = collectionOf({{u"E", listOf({u"A", u"B"})}});
    auto window = open();
    click(window.get(), tab(3));
    for (int i = 0; i < 2; ++i) click(window.get(), actionRow(1));
    EXPECT_EQ(window->working().emulationActions.CursorPos, 1);
    EXPECT_FALSE(window->isDelayEditOpen());
    EXPECT_FALSE(inPlaceEdit(window.get())->isVisible());
}

// --- page 2: the action menu ------------------------------------------------------------------

TEST_F(PageEditsTest, MenuInsertsMouseActionsBeforeTheRightClickedRow)
{
    struct Case {
        Lines before;
        bool autoDelay;
        int row;
        QStringList path;
        Lines after;
    };
    const Case cases[] = {
        {kTimedA, false, 1, {QStringLiteral("Left Click"), QStringLiteral("Click")},
         {u"A Down", u"<0 ms>", u"Mouse Key Left", u"<0 ms>", u"Mouse Key Left", u"<30 ms>", u"A UP"}},
        {kTimedA, false, 0, {QStringLiteral("Left Click"), QStringLiteral("Click")},
         {u"Mouse Key Left", u"<0 ms>", u"Mouse Key Left", u"<0 ms>", u"A Down", u"<30 ms>", u"A UP"}},
        {{u"A Down", u"A UP"}, true, 1, {QStringLiteral("Wheel"), QStringLiteral("Up")}, {u"A Down", u"Mouse Wheel Up", u"A UP"}},
        {{u"A Down", u"A UP"}, true, 0, {QStringLiteral("Middle Click"), QStringLiteral("Release")},
         {u"Mouse Key Middle", u"A Down", u"A UP"}},
        {kTimedA, false, 2, {QStringLiteral("Right Click"), QStringLiteral("Press")},
         {u"A Down", u"<30 ms>", u"Mouse Key Right", u"<0 ms>", u"A UP"}},
        {kTimedA, false, 0, {QStringLiteral("Deleta")}, {u"A UP"}},
        {kTimedA, false, 2, {QStringLiteral("Deleta")}, {u"A Down"}},
        {{u"A Down", u"A UP"}, true, 0, {QStringLiteral("Deleta")}, {u"A UP"}},
    };
    for (const Case& c : cases) {
        auto window = macroWindow(c.before, c.autoDelay);
        const int maximum = actionBarMaximum(window.get());
        rightClick(window.get(), actionRow(c.row));
        choose(window.get(), c.path);
        const std::string name = c.path.join(QStringLiteral(" > ")).toStdString() + " on row " + std::to_string(c.row);
        EXPECT_EQ(linesOf(window->working().macroActions), c.after) << name;
        EXPECT_EQ(linesOf(window->working().macroCollection.children[0]), c.after) << name << ": committed";
        EXPECT_EQ(actionBarMaximum(window.get()), maximum + static_cast<int>(c.after.size()) - static_cast<int>(c.before.size()))
            << name;
    }
}

TEST_F(PageEditsTest, MenuIsBuiltInTheWindowsLanguageAndOnlyOverARowWithALine)
{
    struct Case {
        std::string language;
        QStringList top;
        QStringList clicks;
    };
    const Case cases[] = {
        {"en-US", {"Left Click", "Right Click", "Middle Click", "Wheel", "Deleta"}, {"Press", "Release", "Click"}},
        {"zh-CN", {"鼠标左键", "鼠标右键", "鼠标中键", "滚轮", "删除"}, {"按下", "释放", "点击"}},
    };
    for (const Case& c : cases) {
        profile->language = c.language;
        auto window = macroWindow(kTimedA);
        rightClick(window.get(), actionRow(3));  // no line there
        EXPECT_EQ(shownMenu(window.get()), nullptr);
        rightClick(window.get(), macroRow(0));
        EXPECT_EQ(shownMenu(window.get()), nullptr);

        rightClick(window.get(), actionRow(1));
        QMenu* menu = shownMenu(window.get());
        ASSERT_NE(menu, nullptr) << c.language;
        QStringList top;
        for (QAction* action : menu->actions()) top << action->text();
        EXPECT_EQ(top, c.top);
        QStringList clicks;
        for (QAction* action : menu->actions().front()->menu()->actions()) clicks << action->text();
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_EQ(menu->actions().back()->menu(), nullptr) << "delete is a plain item";
        menu->grab().save(QDir(outputFolder()).filePath(QStringLiteral("menu-%1.png").arg(QString::fromStdString(c.language))));
        menu->close();
        EXPECT_EQ(linesOf(window->working().macroActions), kTimedA) << "closing the menu changes nothing";
    }
}

}  // namespace
