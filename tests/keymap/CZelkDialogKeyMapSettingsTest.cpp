// The key mapping window, run for real on the offscreen platform with its generated faces and
// driven by clicks at the coordinates of its layout.
#include "KeyMapWindowFixture.h"

#include "KeyMapPages.h"

#include <QTimer>

using namespace keymaptest;

namespace {

using Window = CZelkDialogKeyMapSettings;

const ActionList kMacroA = listOf({u"A Down", u"<30 ms>", u"A UP"});
const ActionList kMacroB = listOf({u"B Down", u"B UP"});

// --- opening ----------------------------------------------------------------------------------

TEST_F(KeyMapWindowTest, OpensCentredOnTheFaceOfThePageOfTheAssignment)
{
    struct Case {
        int kind;
        int code;
        int page;
    };
    const Case cases[] = {{Kind::NotSet, 0, 1}, {Kind::Single, 4, 1}, {Kind::Macro, 0, 2}, {Kind::Emulation, 0, 3},
                          {Kind::Multimedia, 113, 4}, {Kind::Mouse, 130, 5}, {Kind::Function, 150, 6}, {Kind::Power, 76, 7},
                          {42, 0, 1}};
    for (const Case& c : cases) {
        key().kind = c.kind;
        key().code = c.code;
        key().actions = listOf({u"A"});
        auto window = open();
        EXPECT_EQ(window->page(), c.page) << c.kind;
        EXPECT_EQ(window->size(), QSize(585, 365));
        EXPECT_FALSE(window->mask().contains(QPoint(0, 0))) << "corner cut by the colour key";
        EXPECT_TRUE(window->mask().contains(QPoint(292, 182)));
        const KeyMapPage& page = KeyMapPages::of(c.page);
        const QImage shown = grabbed(window.get());
        EXPECT_TRUE(shows(shown, page.backgroundImage, {20, 90, 30, 100})) << c.kind;  // plain sheet
        EXPECT_EQ(window->buttonTable.size(), 202u);
    }
}

TEST_F(KeyMapWindowTest, OpeningForVolumeUpShowsItCheckedOnTheMultimediaPage)
{
    key().kind = Kind::Multimedia;
    key().code = 113;
    auto window = open();
    ASSERT_EQ(window->page(), 4);
    EXPECT_EQ(window->working().multimediaChoice, 113);
    const QImage shown = grabbed(window.get());
    EXPECT_TRUE(shows(shown, 118, {346, 152, 381, 188})) << "Volume Up in its checked look";
    EXPECT_TRUE(shows(shown, 116, {396, 152, 431, 188})) << "Mute as on the background";
    EXPECT_TRUE(recordOf(*window, 407).checked);
}

TEST_F(KeyMapWindowTest, OpeningForAMacroNoCollectionHoldsAddsASelectedDefaultEntry)
{
    profile->predefinedMacro = collectionOf({{u"One", kMacroA}, {u"Two", kMacroB}});
    key().kind = Kind::Macro;
    key().actions = listOf({u"C Down", u"C UP"});
    auto window = open();
    ASSERT_EQ(window->page(), 2);
    const ActionList& macros = window->working().macroCollection;
    ASSERT_EQ(macros.lineCount(), 3);
    EXPECT_EQ(macros.lines[2], u"default");
    EXPECT_EQ(macros.ViewStartAt + macros.CursorPos, 2);
    EXPECT_EQ(window->working().macroActions.lines, key().actions.lines);
    grabbed(window.get());
    EXPECT_EQ(caption(*window, 223), QStringLiteral("default"));
    EXPECT_TRUE(recordOf(*window, 223).checked);
    EXPECT_EQ(caption(*window, 241), QStringLiteral("C Down"));
}

TEST_F(KeyMapWindowTest, OpeningForAKnownMacroSelectsItAndShowsItsPlaySettings)
{
    ActionList held = kMacroB;
    held.PlayMode = 1;
    held.IsAutoInterval = true;
    held.Cycles = 7;
    held.Delay = 250;
    profile->predefinedMacro = collectionOf({{u"One", kMacroA}, {u"Two", held}});
    key().kind = Kind::Macro;
    key().actions = held;
    auto window = open();
    EXPECT_EQ(window->working().macroCollection.lineCount(), 2);
    EXPECT_EQ(window->working().macroCollection.CursorPos, 1);
    grabbed(window.get());
    EXPECT_EQ(control<QLineEdit>(window.get(), 1001)->text(), QStringLiteral("7"));
    EXPECT_EQ(control<QLineEdit>(window.get(), 1002)->text(), QStringLiteral("250"));
    EXPECT_TRUE(control<QLineEdit>(window.get(), 1002)->isEnabled()) << "auto delay enables the delay";
    EXPECT_TRUE(recordOf(*window, 208).checked);
    EXPECT_FALSE(recordOf(*window, 201).checked);
    EXPECT_TRUE(recordOf(*window, 203).checked);
    EXPECT_FALSE(recordOf(*window, 210).checked);
}

TEST_F(KeyMapWindowTest, PageOneShowsTheSingleKeyAndTheCombination)
{
    key().kind = Kind::Single;
    key().code = profile->deviceCodeOfHost[65];  // the key A
    auto window = open();
    grabbed(window.get());
    EXPECT_EQ(caption(*window, 158), QStringLiteral("A"));
    EXPECT_TRUE(recordOf(*window, 101).checked);
    EXPECT_TRUE(recordOf(*window, 151).checked);
    EXPECT_FALSE(recordOf(*window, 102).checked);

    profile->predefinedCombo = collectionOf({{u"Copy", listOf({u"Left CTRL", u"C"}, 6)}}, 6);
    key().kind = Kind::Combo;
    key().actions = listOf({u"Left SHIFT", u"A"}, 6);
    auto combo = open();
    grabbed(combo.get());
    EXPECT_EQ(caption(*combo, 158), QStringLiteral("-- --"));
    EXPECT_TRUE(recordOf(*combo, 102).checked);
    EXPECT_TRUE(recordOf(*combo, 152).checked);
    EXPECT_EQ(caption(*combo, 122), QStringLiteral("default"));
    EXPECT_EQ(control<QPlainTextEdit>(combo.get(), 1005)->toPlainText(), QStringLiteral("Left SHIFT + A"));
}

TEST_F(KeyMapWindowTest, PagesShowTheirControlsAndPlaceTheScrollBars)
{
    struct Case {
        int page;
        bool times, delay, comboText, collectionBar, actionBar;
        QRect collectionGeometry, actionGeometry;
    };
    // The bars are as wide as they paint: 15 pixels on every page.
    const Case cases[] = {
        {1, false, false, true, true, false, QRect(358, 137, 15, 96), {}},
        {2, true, true, false, true, true, QRect(181, 115, 15, 126), QRect(357, 115, 15, 126)},
        {3, true, false, false, true, true, QRect(181, 115, 15, 126), QRect(357, 115, 15, 126)},
        {4, false, false, false, false, false, {}, {}},
        {7, false, false, false, false, false, {}, {}},
    };
    profile->predefinedMacro = collectionOf({{u"One", kMacroA}, {u"Two", kMacroB}});
    profile->predefinedEmulation = collectionOf({{u"E", listOf({u"A", u"B", u"C"})}});
    auto window = open();
    for (const Case& c : cases) {
        click(window.get(), tab(c.page));
        ASSERT_EQ(window->page(), c.page);
        EXPECT_EQ(control<QLineEdit>(window.get(), 1001)->isVisible(), c.times) << c.page;
        EXPECT_EQ(control<QLineEdit>(window.get(), 1002)->isVisible(), c.delay) << c.page;
        EXPECT_FALSE(control<QLineEdit>(window.get(), 1002)->isEnabled()) << c.page;
        EXPECT_EQ(control<QPlainTextEdit>(window.get(), 1005)->isVisible(), c.comboText) << c.page;
        EXPECT_FALSE(inPlaceEdit(window.get())->isVisible());
        EXPECT_EQ(bar(window.get(), 1006)->isVisible(), c.collectionBar) << c.page;
        EXPECT_EQ(bar(window.get(), 1007)->isVisible(), c.actionBar) << c.page;
        if (c.collectionBar) {
            EXPECT_EQ(bar(window.get(), 1006)->QWidget::geometry(), c.collectionGeometry) << c.page;
        }
        if (c.actionBar) {
            EXPECT_EQ(bar(window.get(), 1007)->QWidget::geometry(), c.actionGeometry) << c.page;
        }
    }
    // Ranges of the last list page shown, page 3: lines + 8, page 9.
    click(window.get(), tab(3));
    EXPECT_EQ(bar(window.get(), 1006)->maximum(), 1 + 8);
    EXPECT_EQ(bar(window.get(), 1007)->maximum(), 3 + 8);
    EXPECT_EQ(bar(window.get(), 1007)->page(), 9);
    click(window.get(), tab(1));
    EXPECT_EQ(bar(window.get(), 1006)->maximum(), 0 + 5);
    EXPECT_EQ(bar(window.get(), 1006)->page(), 6);
}

TEST_F(KeyMapWindowTest, NumberEditsSitWhereTheirLanguageNeedsThem)
{
    for (const auto& [language, times, delay] :
         {std::tuple{"zh-CN", QPoint(470, 112), QPoint(470, 176)}, std::tuple{"en-US", QPoint(485, 112), QPoint(480, 176)}}) {
        profile->language = language;
        auto window = open();
        click(window.get(), tab(2));
        EXPECT_EQ(control<QLineEdit>(window.get(), 1001)->geometry(), QRect(times, QSize(36, 18))) << language;
        EXPECT_EQ(control<QLineEdit>(window.get(), 1002)->geometry(), QRect(delay, QSize(36, 18))) << language;
        EXPECT_EQ(control<QPlainTextEdit>(window.get(), 1005)->geometry(), QRect(380, 138, 141, 93));
        EXPECT_EQ(control<QLineEdit>(window.get(), 1001)->palette().color(QPalette::Text), QColor(255, 111, 0));
        EXPECT_EQ(control<QLineEdit>(window.get(), 1001)->font().pixelSize(), 13);
    }
}

// --- choices ----------------------------------------------------------------------------------

TEST_F(KeyMapWindowTest, MuteTwiceThenOkLeavesTheKeyNotSet)
{
    key().kind = Kind::Multimedia;
    key().code = 113;
    auto window = open();
    click(window.get(), mediaChoice(7));
    EXPECT_EQ(window->working().multimediaChoice, 112);
    click(window.get(), mediaChoice(7));
    EXPECT_EQ(window->working().multimediaChoice, -1);
    EXPECT_TRUE(shows(grabbed(window.get()), 116, {346, 152, 381, 188})) << "nothing checked";
    click(window.get(), kOk);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(key().kind, Kind::NotSet);
}

TEST_F(KeyMapWindowTest, PlayPauseAfterMuteUnchecksMuteAndOkStoresIt)
{
    auto window = open();
    click(window.get(), tab(4));
    click(window.get(), mediaChoice(7));
    click(window.get(), mediaChoice(1));
    EXPECT_FALSE(recordOf(*window, 408).checked);
    EXPECT_TRUE(recordOf(*window, 402).checked);
    const QImage shown = grabbed(window.get());
    EXPECT_TRUE(shows(shown, 118, {96, 152, 131, 188}));
    EXPECT_FALSE(shows(shown, 118, {396, 152, 431, 188}));
    click(window.get(), kOk);
    EXPECT_EQ(key().kind, Kind::Multimedia);
    EXPECT_EQ(key().code, 111);
}

TEST_F(KeyMapWindowTest, LevelDownOnTheLowerLayerSetsBothLayers)
{
    profile->currentLayer = 1;
    key(0).kind = Kind::Macro;
    key(0).actions = kMacroA;
    auto window = open();
    click(window.get(), tab(6));
    click(window.get(), QPoint(319, 173));
    click(window.get(), kOk);
    for (int layer : {0, 1}) {
        EXPECT_EQ(key(layer).kind, Kind::Function) << layer;
        EXPECT_EQ(key(layer).code, 156) << layer;
    }
}

TEST_F(KeyMapWindowTest, OkOnAChoicePageWithoutAChoiceLeavesTheKeyNotSet)
{
    for (int page : {4, 5, 6, 7}) {
        key().kind = Kind::Single;
        key().code = 4;
        auto window = open();
        click(window.get(), tab(page));
        click(window.get(), kOk);
        EXPECT_EQ(key().kind, Kind::NotSet) << page;
    }
}

TEST_F(KeyMapWindowTest, ChoicePagesStoreTheButtonClickedEvenThroughItsLabel)
{
    struct Case {
        int page;
        QPoint at;
        int kind;
        int code;
    };
    const Case cases[] = {
        {5, QPoint(147, 122 + 17 * 4), Kind::Mouse, 130},    // on the "Left Click" caption
        {5, QPoint(250, 122 + 17 * 9), Kind::Mouse, 199},    // right of the caption, same button
        {6, QPoint(107, 130), Kind::Function, 150},
        {7, QPoint(380, 180), Kind::Power, 77},              // on the "Power" caption
        {4, QPoint(513, 253), Kind::Multimedia, 117},
    };
    for (const Case& c : cases) {
        auto window = open();
        click(window.get(), tab(c.page));
        click(window.get(), c.at);
        click(window.get(), kOk);
        EXPECT_EQ(key().kind, c.kind) << c.page;
        EXPECT_EQ(key().code, c.code) << c.page;
    }
}

TEST_F(KeyMapWindowTest, ClearForgetsThePagesChoice)
{
    profile->predefinedMacro = collectionOf({{u"One", kMacroA}, {u"Two", kMacroB}});
    key().kind = Kind::Power;
    key().code = 76;
    auto window = open();
    click(window.get(), kClear);
    EXPECT_EQ(window->working().powerChoice, -1);
    click(window.get(), tab(2));
    click(window.get(), kClear);
    EXPECT_EQ(window->working().macroCollection.lineCount(), 0);
    EXPECT_EQ(window->working().macroActions.lineCount(), 0);
    for (int id : {1006, 1007}) {
        EXPECT_EQ(bar(window.get(), id)->maximum(), 5);
        EXPECT_EQ(bar(window.get(), id)->page(), 6);
    }
    click(window.get(), kOk);
    EXPECT_EQ(key().kind, Kind::NotSet);
    EXPECT_EQ(profile->predefinedMacro.lineCount(), 0) << "the cleared collection is stored";
}

// --- tooltips ---------------------------------------------------------------------------------

TEST_F(KeyMapWindowTest, TipShowsOverAnUncheckedChoiceOnlyInTheWindowsLanguage)
{
    struct Case {
        std::string language;
        QString muteTip;
        QString levelDownTip;
    };
    const Case cases[] = {{"en-US", QStringLiteral("Mute"), QStringLiteral("level down combination key,Keys level up and down must be set to FN")},
                          {"zh-CN", QStringLiteral("静音"), QStringLiteral("下档组合键,按键的上下档键须同时设置")}};
    for (const Case& c : cases) {
        profile->language = c.language;
        key().kind = Kind::Multimedia;
        key().code = 113;
        auto window = open();
        auto* tip = window->findChild<TipPopup*>();
        ASSERT_NE(tip, nullptr);
        EXPECT_FALSE(tip->isVisible());

        QTest::mouseMove(window.get(), mediaChoice(7));
        window->repaint();
        EXPECT_TRUE(QTest::qWaitFor([&] { return tip->isVisible(); }, 2000)) << c.language;
        EXPECT_EQ(tip->text(), c.muteTip);
        EXPECT_EQ(tip->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_EQ(tip->palette().color(QPalette::Window), QColor(255, 255, 0));
        EXPECT_GE(tip->pos().y(), window->mapToGlobal(mediaChoice(7)).y()) << "below the pointer";

        QTest::mouseMove(window.get(), mediaChoice(6));  // Volume Up, the checked one
        window->repaint();
        QTest::qWait(2 * TipPopup::kDelayMs);
        EXPECT_FALSE(tip->isVisible()) << c.language;

        QTest::mouseMove(window.get(), QPoint(20, 100));  // bare sheet
        window->repaint();
        click(window.get(), tab(6));
        QTest::mouseMove(window.get(), QPoint(319, 173));
        window->repaint();
        EXPECT_TRUE(QTest::qWaitFor([&] { return tip->isVisible(); }, 2000));
        EXPECT_EQ(tip->text(), c.levelDownTip);
        click(window.get(), kCancel);
        EXPECT_FALSE(tip->isVisible()) << "gone with the window";
    }
}

TEST_F(KeyMapWindowTest, MousePageButtonsHaveNoTip)
{
    auto window = open();
    auto* tip = window->findChild<TipPopup*>();
    click(window.get(), tab(5));
    QTest::mouseMove(window.get(), QPoint(147, 122));
    window->repaint();
    QTest::qWait(2 * TipPopup::kDelayMs);
    EXPECT_FALSE(tip->isVisible());
    EXPECT_TRUE(recordOf(*window, 502).hovered);
}

// --- ending -----------------------------------------------------------------------------------

TEST_F(KeyMapWindowTest, EnterAndEscapeEndTheWindowWithoutStoring)
{
    struct Case {
        Qt::Key key;
        int result;
    };
    for (const Case& c : {Case{Qt::Key_Return, QDialog::Accepted}, Case{Qt::Key_Escape, QDialog::Rejected}}) {
        key().kind = Kind::Multimedia;
        key().code = 113;
        profile->predefinedMacro = collectionOf({{u"One", kMacroA}});
        auto window = open();
        click(window.get(), mediaChoice(7));
        click(window.get(), tab(2));
        click(window.get(), kDeleteOnLeftList);
        click(window.get(), tab(4));
        QTest::keyClick(window.get(), c.key);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), c.result);
        EXPECT_EQ(key().kind, Kind::Multimedia);
        EXPECT_EQ(key().code, 113);
        EXPECT_EQ(profile->predefinedMacro.lineCount(), 1);
    }
}

TEST_F(KeyMapWindowTest, EnterInTheNumberEditsDoesNothingAndEscapeThereCloses)
{
    auto window = open();
    click(window.get(), tab(2));
    for (int id : {1001, 1002}) {
        QTest::keyClick(control<QLineEdit>(window.get(), id), Qt::Key_Return);
        EXPECT_TRUE(window->isVisible()) << id;
    }
    QTest::keyClick(control<QLineEdit>(window.get(), 1001), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(KeyMapWindowTest, CancelAndCloseDiscardEverything)
{
    for (QPoint at : {kCancel, kClose}) {
        key().kind = Kind::Power;
        key().code = 75;
        auto window = open();
        click(window.get(), QPoint(290, 175));
        click(window.get(), at);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), QDialog::Rejected);
        EXPECT_EQ(key().code, 75);
    }
}

TEST_F(KeyMapWindowTest, RunsModallyThroughThePrompts)
{
    key().kind = Kind::Power;
    key().code = 75;
    prompts.modalRuns.push_back([](QDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog] {
            click(&dialog, QPoint(290, 175));  // Sleep
            click(&dialog, kOk);
        });
        return ScriptedPrompts::execForReal(dialog);
    });
    Window window(*profile);
    EXPECT_EQ(Prompts::current().runModal(window), QDialog::Accepted);
    EXPECT_EQ(key().kind, Kind::Power);
    EXPECT_EQ(key().code, 76);
}

// --- what every page looks like ---------------------------------------------------------------

// Each page in both languages with one control checked and another hovered; the grabs are saved
// under test-output/keymap for looking at.
TEST_F(KeyMapWindowTest, EveryPageShowsItsCheckedAndHoveredControlsFromItsFaces)
{
    struct Case {
        int page;
        QPoint choose;  // a click that checks something (none: the point (0, 0))
        SkinRect checked;
        QPoint hover;
        SkinRect hovered;
    };
    const Case cases[] = {
        {1, {}, {214, 136, 355, 151}, {250, 260}, {220, 242, 280, 278}},
        {2, macroRow(1), {37, 128, 178, 141}, actionRow(2), {213, 142, 355, 155}},
        {3, actionRow(1), {213, 128, 355, 141}, kNewOnLeftList, {45, 258, 105, 288}},
        {4, mediaChoice(3), {196, 152, 231, 188}, mediaChoice(5), {296, 152, 331, 188}},
        {5, QPoint(147, 122 + 17 * 6), {37, 216, 258, 232}, QPoint(147, 122 + 17 * 2), {37, 148, 258, 164}},
        {6, QPoint(319, 173), {301, 155, 337, 191}, QPoint(246, 283), {228, 265, 264, 301}},
        {7, QPoint(202, 175), {162, 160, 242, 190}, QPoint(291, 175), {251, 160, 331, 190}},
    };
    profile->predefinedCombo = collectionOf({{u"Copy", listOf({u"Left CTRL", u"C"}, 6)}, {u"Paste", listOf({u"Left CTRL", u"V"}, 6)}}, 6);
    profile->predefinedMacro = collectionOf({{u"Burst", kMacroA}, {u"Twice", kMacroB}, {u"宏定义3", kMacroA}});
    profile->predefinedEmulation = collectionOf({{u"Hello", listOf({u"H", u"E", u"L", u"L", u"O"})}});
    key().kind = Kind::Combo;
    key().actions = listOf({u"Left CTRL", u"C"}, 6);
    for (const std::string language : {"en-US", "zh-CN"}) {
        profile->language = language;
        auto window = open();
        for (const Case& c : cases) {
            click(window.get(), tab(c.page));
            if (!c.choose.isNull()) click(window.get(), c.choose);
            QTest::mouseMove(window.get(), c.hover);
            const KeyMapPage& page = KeyMapPages::of(c.page);
            const QImage shown = grabbed(window.get());
            shown.save(QDir(outputFolder()).filePath(QStringLiteral("page%1-%2.png").arg(c.page).arg(QString::fromStdString(language))));
            EXPECT_TRUE(shows(shown, page.backgroundImage, {20, 90, 30, 100})) << c.page;
            // Captions are drawn over the state images: compare the right ends only.
            const SkinRect checkedRim{c.checked.right - 2, c.checked.top, c.checked.right, c.checked.bottom};
            const SkinRect hoveredRim{c.hovered.left, c.hovered.top, c.hovered.right, c.hovered.top + 2};
            EXPECT_TRUE(shows(shown, page.checkedImage, checkedRim)) << language << " page " << c.page;
            EXPECT_TRUE(shows(shown, page.hoverImage, hoveredRim)) << language << " page " << c.page;
            EXPECT_FALSE(shows(shown, page.backgroundImage, hoveredRim)) << language << " page " << c.page;
        }
        // And a rename in place, over the macro selected above.
        click(window.get(), tab(2));
        click(window.get(), macroRow(1));
        ASSERT_TRUE(window->isRenameOpen());
        grabbed(window.get()).save(QDir(outputFolder()).filePath(QStringLiteral("rename-%1.png").arg(QString::fromStdString(language))));
    }
}

}  // namespace
