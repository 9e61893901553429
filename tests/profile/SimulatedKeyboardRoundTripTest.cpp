// A whole profile written into the simulated keyboard and read back by another process object
// on the same state file, as the window program and the command-line tool see each other.
#include "ProfileTestSupport.h"
#include "../device/TempDir.h"

#include "FaultInjector.h"
#include "SimulatedKeyboard.h"

#include <gtest/gtest.h>

namespace {

class SimulatedKeyboardRoundTrip : public ::testing::Test {
protected:
    std::unique_ptr<KeyboardProfile> profileOnStateFile()
    {
        auto profile = startedProfile();
        profile->device.simulator().setStatePath(dir.path() / "keyboard.state");
        profile->device.simulator().setInstant();
        return profile;
    }

    static void assign(KeyboardProfile& profile, int key, int layer, int kind, int code,
                       const ActionList& actions = {})
    {
        KeyAssignment& entry = profile.assignment(key, layer);
        entry.kind = kind;
        entry.code = code;
        entry.actions = actions;
    }

    static ActionList macro(const std::vector<std::u16string>& lines, int playMode, int cycles)
    {
        ActionList list = listOf(lines);
        list.PlayMode = playMode;
        list.Cycles = cycles;
        return list;
    }

    TempDir dir;
};

TEST_F(SimulatedKeyboardRoundTrip, EveryKindAndTheLightsSurviveARestart)
{
    auto written = profileOnStateFile();
    assign(*written, 43, 0, Kind::Single, 60);                                   // A sends B
    assign(*written, 44, 1, Kind::Combo, 0, listOf({u"Left CONTROL", u"C"}, 6));
    assign(*written, 45, 0, Kind::Macro, 0, macro({u"A Down", u"<50 ms>", u"A UP"}, 0, 3));
    assign(*written, 46, 1, Kind::Emulation, 0, listOf({u"A", u"B"}));
    assign(*written, 47, 0, Kind::Multimedia, 113);
    assign(*written, 48, 1, Kind::Mouse, 199);
    assign(*written, 49, 0, Kind::Function, 156);
    assign(*written, 50, 1, Kind::Power, 76);
    written->keyLights[1] = KeyLight{255, 0, 0};
    written->keyLights[87] = KeyLight{1, 2, 3};
    ASSERT_TRUE(written->writeKeysToDevice(0));
    ASSERT_TRUE(written->writeLightsToDevice());
    written.reset();

    auto read = profileOnStateFile();
    ASSERT_TRUE(read->readKeysFromDevice(0));
    ASSERT_TRUE(read->readLightsFromDevice());

    EXPECT_EQ(read->assignment(43, 0).kind, Kind::Single);
    EXPECT_EQ(read->assignment(43, 0).code, 60);
    EXPECT_EQ(read->assignment(44, 1).kind, Kind::Combo);
    EXPECT_EQ(read->assignment(44, 1).actions.lines, (std::vector<std::u16string>{u"Left CONTROL", u"C"}));
    const ActionList& readMacro = read->assignment(45, 0).actions;
    EXPECT_EQ(read->assignment(45, 0).kind, Kind::Macro);
    EXPECT_EQ(readMacro.lines, (std::vector<std::u16string>{u"A", u"<50 ms>", u"A"}));  // suffixes don't travel
    EXPECT_EQ(readMacro.Cycles, 3);
    EXPECT_FALSE(readMacro.IsAutoInterval);
    EXPECT_EQ(read->assignment(46, 1).kind, Kind::Emulation);
    EXPECT_EQ(read->assignment(46, 1).actions.lines, (std::vector<std::u16string>{u"A", u"B"}));
    EXPECT_EQ(read->assignment(46, 1).actions.Delay, 30);
    EXPECT_EQ(read->assignment(47, 0).kind, Kind::Multimedia);
    EXPECT_EQ(read->assignment(47, 0).code, 113);
    EXPECT_EQ(read->assignment(48, 1).kind, Kind::Mouse);
    EXPECT_EQ(read->assignment(48, 1).code, 199);
    EXPECT_EQ(read->assignment(49, 0).kind, Kind::Function);
    EXPECT_EQ(read->assignment(50, 1).kind, Kind::Power);
    EXPECT_EQ(read->assignment(1, 0).kind, Kind::NotSet);
    EXPECT_EQ(read->keyLights[1], (KeyLight{255, 0, 0}));
    EXPECT_EQ(read->keyLights[87], (KeyLight{1, 2, 3}));
    EXPECT_EQ(read->keyLights[2], (KeyLight{0, 0, 0}));
    EXPECT_EQ(read->describeAssignment(45, 0), u"A,50,A");
}

TEST_F(SimulatedKeyboardRoundTrip, AWriteReplacesTheKeysOfTheLastWrite)
{
    auto profile = profileOnStateFile();
    assign(*profile, 10, 0, Kind::Single, 20);
    ASSERT_TRUE(profile->writeKeysToDevice(0));
    profile->resetProfile();
    assign(*profile, 11, 0, Kind::Single, 21);
    ASSERT_TRUE(profile->writeKeysToDevice(0));

    auto read = profileOnStateFile();
    ASSERT_TRUE(read->readKeysFromDevice(0));
    EXPECT_EQ(read->assignment(10, 0).kind, Kind::NotSet);  // not staged by the second write
    EXPECT_EQ(read->assignment(11, 0).kind, Kind::Single);
}

TEST_F(SimulatedKeyboardRoundTrip, ADisconnectDuringTheWriteKeepsWhatTheKeyboardHeld)
{
    auto profile = profileOnStateFile();
    assign(*profile, 10, 0, Kind::Single, 20);
    ASSERT_TRUE(profile->writeKeysToDevice(0));

    assign(*profile, 10, 0, Kind::Single, 33);
    profile->device.simulator().faults().disconnectDuringTransfer(60);
    EXPECT_FALSE(profile->writeKeysToDevice(0));

    auto read = profileOnStateFile();
    ASSERT_TRUE(read->readKeysFromDevice(0));
    EXPECT_EQ(read->assignment(10, 0).code, 20);
}

TEST_F(SimulatedKeyboardRoundTrip, AnUnpluggedKeyboardLeavesTheProfileAsItWas)
{
    auto profile = profileOnStateFile();
    assign(*profile, 12, 1, Kind::Multimedia, 112);
    profile->keyLights[12] = KeyLight{9, 9, 9};
    profile->device.simulator().faults().setConnected(false);

    EXPECT_FALSE(profile->readKeysFromDevice(0));
    EXPECT_FALSE(profile->readLightsFromDevice());
    EXPECT_EQ(profile->assignment(12, 1).kind, Kind::Multimedia);
    EXPECT_EQ(profile->keyLights[12], (KeyLight{9, 9, 9}));
}

}  // namespace
