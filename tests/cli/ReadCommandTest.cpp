#include "CliTestSupport.h"

namespace {

class ReadCommandTest : public CliCommandTest {};

TEST_F(ReadCommandTest, ReadsBackWhatWasWritten)
{
    ASSERT_EQ(run({"write", dataFile("handmade.pro")}).status, 0);
    const Outcome outcome = run({"read", path("back.pro")});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");

    // Lines come back without " Down" and " UP"; the unknown kind 42 went out as a single code.
    EXPECT_EQ(run({"describe", path("back.pro")}).out,
              "1\t0\tMouse\tLeft Double Click\n"
              "2\t0\tSingle\tSPACEBAR\n"
              "3\t0\tMacro\tA,50,A\n"
              "5\t0\tCombo\tLeft CONTROL | C\n"
              "10\t1\tEmulation\tA | B\n"
              "70\t1\tSingle\tSPACEBAR\n"
              "light\t1\t255\t0\t0\n"
              "light\t87\t0\t0\t1\n");
    EXPECT_EQ(run({"encode", path("back.pro")}).out, readFile(dataFile("handmade.encode")));
}

TEST_F(ReadCommandTest, FailuresLeaveAnExistingFileAlone)
{
    writeFile(dir / "kept.pro", "my old profile");
    struct Case {
        const char* name;
        std::function<void(SimulatedKeyboard&)> fault;
        std::string file;
        std::string message;
    };
    const Case cases[] = {
        {"not connected", [](SimulatedKeyboard& k) { k.faults().setConnected(false); }, path("kept.pro"),
         "Keyboard is not connected"},
        {"unplugged while reading", [](SimulatedKeyboard& k) { k.faults().disconnectDuringTransfer(30); },
         path("kept.pro"), "Failed on reading the keys from the keyboard"},
        {"lights not delivered", [](SimulatedKeyboard& k) { k.faults().failCall(DeviceCall::GetKeyboardLightArea); },
         path("kept.pro"), "Failed on reading the lights from the keyboard"},
        {"folder missing", [](SimulatedKeyboard&) {}, path("missing/a.pro"),
         "Can't save the profile file \"" + path("missing/a.pro") + "\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        device.simulator().faults().clear();
        c.fault(device.simulator());
        EXPECT_FAILS_WITH(run({"read", c.file}), c.message);
        EXPECT_EQ(readFile(dir / "kept.pro"), "my old profile");
    }
}

}  // namespace
