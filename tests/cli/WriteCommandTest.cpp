#include "CliTestSupport.h"

#include "KeyboardState.h"

#include <sstream>

namespace {

class WriteCommandTest : public CliCommandTest {};

// The keyboard as it should be after writing the hand-made file: the arrays of its encoding,
// every other key empty, and its two lights.
KeyboardState expectedAfterHandMade()
{
    KeyboardState state;
    std::istringstream lines(readFile(std::string(VT_SHARED_TEST_DATA "/profiles/handmade.encode")));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        int layer = 0;
        int key = 0;
        fields >> layer >> key;
        std::vector<int>& array = state.keys[static_cast<std::size_t>(layer)][static_cast<std::size_t>(key)];
        for (std::string value; std::getline(fields >> std::ws, value, ',');)
            array.push_back(std::stoi(value));
    }
    state.lights[0] = 255;
    state.lights[260] = 1;
    return state;
}

TEST_F(WriteCommandTest, WritesKeysAndLightsIntoTheKeyboard)
{
    const Outcome outcome = run({"write", dataFile("handmade.pro")});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");
    const KeyboardState stored = device.simulator().storedState();
    const KeyboardState expected = expectedAfterHandMade();
    EXPECT_EQ(stored.keys, expected.keys);
    EXPECT_EQ(stored.lights, expected.lights);
}

TEST_F(WriteCommandTest, FailuresAreReportedAndLeaveTheKeyboardAlone)
{
    writeFile(dir / "bright.pro", readFile(dataFile("handmade.pro")).replace(
                                      readFile(dataFile("handmade.pro")).find("Red=\"255\""), 9, "Red=\"256\""));
    struct Case {
        const char* name;
        std::function<void(SimulatedKeyboard&)> fault;
        std::string file;
        std::string message;
    };
    const Case cases[] = {
        {"missing file", [](SimulatedKeyboard&) {}, path("missing.pro"),
         "Can't open the profile file \"" + path("missing.pro") + "\""},
        {"light out of range", [](SimulatedKeyboard&) {}, path("bright.pro"),
         "The light of key 1 in \"" + path("bright.pro") + "\" is outside 0 to 255"},
        {"not connected", [](SimulatedKeyboard& k) { k.faults().setConnected(false); }, dataFile("handmade.pro"),
         "Keyboard is not connected"},
        {"unplugged while writing", [](SimulatedKeyboard& k) { k.faults().disconnectDuringTransfer(75); },
         dataFile("handmade.pro"), "Failed on writing the keys into the keyboard"},
        {"lights refused", [](SimulatedKeyboard& k) { k.faults().failCall(DeviceCall::SetKeyboardLightArea); },
         dataFile("handmade.pro"), "Failed on writing the lights into the keyboard"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        device.simulator().faults().clear();
        c.fault(device.simulator());
        EXPECT_FAILS_WITH(run({"write", c.file}), c.message);
        EXPECT_EQ(device.simulator().storedState().lights, KeyboardState().lights);
    }
}

}  // namespace
