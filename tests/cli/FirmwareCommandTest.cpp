#include "CliTestSupport.h"

#include "FirmwareCommand.h"

namespace {

class FirmwareCommandTest : public CliCommandTest {};

TEST_F(FirmwareCommandTest, SendsTheWholeFile)
{
    writeFile(dir / "fw.bin", std::string("\0\x01\xFF", 3) + "VT-FIRMWARE-VERSION:VT87 V2.3.4");
    const Outcome outcome = run({"firmware", path("fw.bin")});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "The Firmware is downloaded successfully.\n"
                           "Please keep the USB plug in until three indicator lights flash simultaneously.\n"
                           "Then firmware updated completely,pleased unplug the USB and plug in.\n");
    EXPECT_EQ(outcome.err, "");
    ASSERT_TRUE(device.simulator().storedState().firmware.has_value());
    EXPECT_EQ(device.simulator().storedState().firmware->size, 34u);
    EXPECT_EQ(run({"version"}).out, "VT87 V2.3.4\n");
}

TEST_F(FirmwareCommandTest, AnEmptyFileIsSentAsZeroBytes)
{
    writeFile(dir / "empty.bin", "");
    const Outcome outcome = run({"firmware", path("empty.bin")});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    ASSERT_TRUE(device.simulator().storedState().firmware.has_value());
    EXPECT_EQ(device.simulator().storedState().firmware->size, 0u);
}

TEST_F(FirmwareCommandTest, FailuresAreReported)
{
    writeFile(dir / "fw.bin", "image");
    std::filesystem::create_directory(dir / "folder");
    writeFile(dir / "huge.bin", "");
    std::filesystem::resize_file(dir / "huge.bin", FirmwareCommand::kMaxFileSize + 1);  // sparse: no disk used
    struct Case {
        const char* name;
        std::function<void(SimulatedKeyboard&)> fault;
        std::string file;
        std::string message;
    };
    const Case cases[] = {
        {"missing file", [](SimulatedKeyboard&) {}, path("missing.bin"),
         "Can't open firmware file \"" + path("missing.bin") + "\""},
        {"a folder", [](SimulatedKeyboard&) {}, path("folder"), "Can't open firmware file \"" + path("folder") + "\""},
        {"too large", [](SimulatedKeyboard&) {}, path("huge.bin"),
         "Firmware file \"" + path("huge.bin") + "\" is too large (more than 64 MiB)"},
        {"not connected", [](SimulatedKeyboard& k) { k.faults().setConnected(false); }, path("fw.bin"),
         "Keyboard is not connected"},
        {"download fails", [](SimulatedKeyboard& k) { k.faults().failCall(DeviceCall::WriteFirmwareToKeyboard); },
         path("fw.bin"), "Firmware download failed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        device.simulator().faults().clear();
        c.fault(device.simulator());
        EXPECT_FAILS_WITH(run({"firmware", c.file}), c.message);
        EXPECT_FALSE(device.simulator().storedState().firmware.has_value());
    }
}

}  // namespace
