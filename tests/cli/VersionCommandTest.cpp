#include "VersionCommand.h"

#include "CZelkHWI.h"
#include "CliTool.h"
#include "SimulatedKeyboard.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace {

struct VersionCase {
    const char* name;
    std::function<void(SimulatedKeyboard&)> setUp;
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;
};

void PrintTo(const VersionCase& c, std::ostream* out) { *out << c.name; }

class VersionCommandTest : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionCommandTest, PrintsTheKeyboardsVersion)
{
    TempDir dir;
    CZelkHWI device;
    device.simulator().setStatePath(dir / "keyboard.state");
    device.simulator().setInstant();
    GetParam().setUp(device.simulator());

    std::vector<std::string> args = {"version"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli(args, out, err, device), GetParam().status);
    EXPECT_EQ(out.str(), GetParam().out);
    EXPECT_EQ(err.str(), GetParam().err);
}

void writeFirmware(SimulatedKeyboard& keyboard)
{
    const std::string image = "VT-FIRMWARE-VERSION:VT87 V2.3.4";
    ASSERT_TRUE(keyboard.WriteFirmwareToKeyboard(reinterpret_cast<const unsigned char*>(image.data()), image.size(), 0));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionCommandTest,
    testing::Values(
        VersionCase{"FreshKeyboard", [](SimulatedKeyboard&) {}, {}, 0, "VT87 V1.0.4\n", ""},
        VersionCase{"AfterFirmwareUpdate", writeFirmware, {}, 0, "VT87 V2.3.4\n", ""},
        VersionCase{"NotConnected", [](SimulatedKeyboard& k) { k.faults().setConnected(false); }, {}, 1, "",
                    "Keyboard is not connected\n"},
        VersionCase{"ReadFails", [](SimulatedKeyboard& k) { k.faults().failCall(DeviceCall::ReadKeyboardVersion); }, {},
                    1, "", "Failed on reading keyboard version infomation\n"},
        VersionCase{"ExtraArgument", [](SimulatedKeyboard&) {}, {"now"}, 1, "",
                    "Unexpected argument \"now\" (see vornictamsk-cli version --help)\n"}),
    [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
