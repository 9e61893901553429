// What the key mapping window takes from the profile when it opens and gives back on OK.
#include "KeyMapWorkingState.h"

#include "ActionListBuilders.h"
#include "KeyboardProfile.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int kKey = 12;



class WorkingStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        profile = std::make_unique<KeyboardProfile>();
        profile->initCatalogue();
        profile->resetProfile();
        profile->selectedKey = kKey;
        profile->predefinedCombo = collectionOf({{u"C1", listOf({u"Left CTRL", u"C"})}});
        profile->predefinedMacro = collectionOf({{u"M1", listOf({u"A Down", u"A UP"})}, {u"M2", listOf({u"B Down", u"B UP"})}});
        profile->predefinedEmulation = collectionOf({{u"E1", listOf({u"H", u"I"})}});
    }

    KeyAssignment& key(int layer = 0) { return profile->assignment(kKey, layer); }

    std::unique_ptr<KeyboardProfile> profile;
    KeyMapWorkingState state;
};

TEST_F(WorkingStateTest, OpensOnThePageOfTheAssignmentWithCopiesOfTheCollections)
{
    struct Case {
        int kind;
        int code;
        ActionList actions;
        int page;
        bool singleKeyMode;
    };
    const Case cases[] = {
        {Kind::NotSet, 0, {}, 1, true},
        {Kind::Single, 43, {}, 1, true},
        {Kind::Combo, 0, listOf({u"Left CTRL", u"C"}), 1, false},
        {Kind::Macro, 0, listOf({u"B Down", u"B UP"}), 2, true},
        {Kind::Emulation, 0, listOf({u"H", u"I"}), 3, true},
        {Kind::Multimedia, 113, {}, 4, true},
        {Kind::Mouse, 199, {}, 5, true},
        {Kind::Function, 156, {}, 6, true},
        {Kind::Power, 77, {}, 7, true},
        {-3, 77, {}, 1, true},
    };
    for (const Case& c : cases) {
        key().kind = c.kind;
        key().code = c.code;
        key().actions = c.actions;
        EXPECT_EQ(state.open(*profile), c.page) << c.kind;
        EXPECT_EQ(state.singleKeyMode, c.singleKeyMode) << c.kind;
        EXPECT_EQ(state.comboCollection.SizeOfView, 6);
        EXPECT_EQ(state.macroCollection.SizeOfView, 9);
        EXPECT_EQ(state.emulationCollection.SizeOfView, 9);
        EXPECT_EQ(state.macroCollection.lineCount(), 2) << "the assignment matched an entry";
    }
    key().kind = Kind::Macro;
    key().actions = listOf({u"B Down", u"B UP"});
    state.open(*profile);
    EXPECT_EQ(state.macroCollection.CursorPos, 1);
    EXPECT_EQ(state.macroActions.lines, key().actions.lines);
    EXPECT_EQ(state.comboActions.lines, profile->predefinedCombo.children[0].lines);

    key().kind = Kind::Single;
    key().code = 43;
    state.open(*profile);
    EXPECT_EQ(profile->nameOfHostCode(state.singleKeyCode, false), u"A");
    EXPECT_EQ(state.multimediaChoice, -1);
    key().code = 5000;  // a code no table holds
    state.open(*profile);
    EXPECT_EQ(state.singleKeyCode, -1);
}

TEST_F(WorkingStateTest, StoresThePagesChoiceOrLeavesTheKeyNotSet)
{
    struct Case {
        const char* what;
        int page;
        std::function<void(KeyMapWorkingState&)> set;
        int kind;
        int code;
    };
    const Case cases[] = {
        {"single key", 1, [](KeyMapWorkingState& s) { s.singleKeyCode = 65; }, Kind::Single, 43},
        {"single key with a release flag", 1, [](KeyMapWorkingState& s) { s.singleKeyCode = 65 + 512; }, Kind::Single, 43},
        {"no single key", 1, [](KeyMapWorkingState&) {}, Kind::NotSet, 7},
        {"a key without KeyCode", 1, [](KeyMapWorkingState& s) { s.singleKeyCode = 1023; }, Kind::NotSet, 7},
        {"combination", 1, [](KeyMapWorkingState& s) { s.singleKeyMode = false; }, Kind::Combo, 7},
        {"empty combination", 1, [](KeyMapWorkingState& s) { s.singleKeyMode = false; s.comboActions.clear(); }, Kind::NotSet, 7},
        {"macro", 2, [](KeyMapWorkingState&) {}, Kind::Macro, 7},
        {"emulation", 3, [](KeyMapWorkingState&) {}, Kind::Emulation, 7},
        {"empty emulation", 3, [](KeyMapWorkingState& s) { s.emulationActions.clear(); }, Kind::NotSet, 7},
        {"multimedia", 4, [](KeyMapWorkingState& s) { s.multimediaChoice = 112; }, Kind::Multimedia, 112},
        {"mouse", 5, [](KeyMapWorkingState& s) { s.mouseChoice = 199; }, Kind::Mouse, 199},
        {"function", 6, [](KeyMapWorkingState& s) { s.functionChoice = 150; }, Kind::Function, 150},
        {"power", 7, [](KeyMapWorkingState& s) { s.powerChoice = 75; }, Kind::Power, 75},
        {"no power", 7, [](KeyMapWorkingState& s) { s.powerChoice = -1; }, Kind::NotSet, 7},
        {"a choice of another page", 4, [](KeyMapWorkingState& s) { s.powerChoice = 75; }, Kind::NotSet, 7},
    };
    for (const Case& c : cases) {
        key().kind = Kind::Power;
        key().code = 7;
        key().actions = listOf({u"old"});
        state.open(*profile);
        c.set(state);
        state.store(*profile, c.page);
        EXPECT_EQ(key().kind, c.kind) << c.what;
        EXPECT_EQ(key().code, c.code) << c.what;
        const bool storesActions = c.kind == Kind::Combo || c.kind == Kind::Macro || c.kind == Kind::Emulation;
        EXPECT_EQ(key().actions.lines, storesActions ? state.actionsOf(c.page).lines : listOf({u"old"}).lines) << c.what;
        EXPECT_EQ(key(1).kind, Kind::NotSet) << c.what;
    }
}

TEST_F(WorkingStateTest, LevelDownGoesOnBothLayers)
{
    for (int layer : {0, 1}) {
        profile->currentLayer = layer;
        key(1 - layer).kind = Kind::Macro;
        key(1 - layer).code = 3;
        state.open(*profile);
        state.functionChoice = KeyMapWorkingState::kLevelDownCode;
        state.store(*profile, 6);
        for (int l : {0, 1}) {
            EXPECT_EQ(key(l).kind, Kind::Function) << layer;
            EXPECT_EQ(key(l).code, 156) << layer;
        }
    }
    // Any other function stays on its layer.
    profile->currentLayer = 0;
    key(1).kind = Kind::NotSet;
    state.open(*profile);
    state.functionChoice = 157;
    state.store(*profile, 6);
    EXPECT_EQ(key(1).kind, Kind::NotSet);
}

TEST_F(WorkingStateTest, OkStoresTheShowingPagesCollectionEvenWhenItsChoiceFails)
{
    state.open(*profile);
    state.comboCollection.lines[0] = u"renamed combination";
    state.macroCollection.lines[0] = u"renamed macro";
    state.emulationCollection.clear();
    state.macroActions.clear();
    state.store(*profile, 2);
    EXPECT_EQ(key().kind, Kind::NotSet);
    EXPECT_EQ(profile->predefinedMacro.lines[0], u"renamed macro");
    EXPECT_EQ(profile->predefinedCombo.lines[0], u"C1") << "other pages' collections are not stored";
    EXPECT_EQ(profile->predefinedEmulation.lineCount(), 1);

    state.store(*profile, 3);
    EXPECT_EQ(profile->predefinedEmulation.lineCount(), 0);
    state.store(*profile, 5);
    EXPECT_EQ(profile->predefinedCombo.lines[0], u"C1");
}

TEST_F(WorkingStateTest, ClearForgetsOnlyThePageGiven)
{
    key().kind = Kind::Single;
    key().code = 43;
    state.open(*profile);
    state.multimediaChoice = 110;
    state.clearPage(1);
    EXPECT_EQ(state.singleKeyCode, -1);
    EXPECT_EQ(state.comboCollection.lineCount(), 0);
    EXPECT_EQ(state.comboCollection.SizeOfView, 6);
    EXPECT_EQ(state.macroCollection.lineCount(), 2);
    EXPECT_EQ(state.multimediaChoice, 110);
    state.clearPage(4);
    EXPECT_EQ(state.multimediaChoice, -1);
}

}  // namespace
