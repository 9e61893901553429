#include "DeviceTransfer.h"

#include "ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Ints = std::vector<int>;

// Stands in for the device library: records every call, answers reads from its own tables,
// and fails the calls it is told to fail.
class RecordingDevice {
public:
    std::vector<std::string> calls;
    std::vector<std::pair<std::pair<int, int>, Ints>> sentKeys;  // ((layer, key), array)
    std::map<std::pair<int, int>, Ints> storedKeys;               // answers to getKeyConfiguration
    Ints sentLights;
    Ints storedLights;
    WindowHandle lastWindow = 0;
    std::map<std::string, bool> failing;

    bool prepare() { return record("prepare"); }
    bool setKeyConfiguration(int layer, int key, const int* data, int count)
    {
        sentKeys.push_back({{layer, key}, Ints(data, data + count)});
        return record("setKeyConfiguration");
    }
    bool writeKeyConfigurationToDev(WindowHandle window)
    {
        lastWindow = window;
        return record("writeKeyConfigurationToDev");
    }
    bool readKeyDefinationFromDev(WindowHandle window)
    {
        lastWindow = window;
        return record("readKeyDefinationFromDev");
    }
    bool getKeyConfiguration(int layer, int key, int* buffer, int capacity)
    {
        EXPECT_EQ(capacity, 65536);
        const std::string name = "getKeyConfiguration " + std::to_string(layer) + "/" + std::to_string(key);
        if (!record(name))
            return false;
        const auto found = storedKeys.find({layer, key});
        const Ints array = found == storedKeys.end() ? Ints{0, 0} : found->second;
        std::copy(array.begin(), array.end(), buffer);
        return true;
    }
    bool setKeyboardLightArea(const int* lights)
    {
        sentLights.assign(lights, lights + 261);
        return record("setKeyboardLightArea");
    }
    bool readKeyLightFromDev() { return record("readKeyLightFromDev"); }
    bool getKeyboardLightArea(int* lights)
    {
        if (!record("getKeyboardLightArea"))
            return false;
        std::copy(storedLights.begin(), storedLights.end(), lights);
        return true;
    }

private:
    bool record(const std::string& call)
    {
        calls.push_back(call.substr(0, call.find(' ')));
        return !failing[call];
    }
};

class DeviceTransferTest : public testing::Test {
protected:
    std::unique_ptr<KeyboardProfile> profile = startedProfile();
    RecordingDevice device;
    DeviceTransfer<RecordingDevice> transfer{*profile, device};
};

TEST_F(DeviceTransferTest, UntouchedProfileSendsNoKeys)
{
    EXPECT_TRUE(transfer.writeKeys(77));
    EXPECT_EQ(device.calls, (std::vector<std::string>{"prepare", "writeKeyConfigurationToDev"}));
    EXPECT_EQ(device.lastWindow, 77u);
}

TEST_F(DeviceTransferTest, AssignedKeysGoLayerByLayerInKeyOrder)
{
    profile->assignment(70, 1) = {Kind::Single, 70, {}};
    profile->assignment(87, 0) = {Kind::Mouse, 199, {}};
    profile->assignment(1, 1) = {Kind::Emulation, 0, listOf({u"A", u"B"})};
    profile->assignment(2, 0) = {Kind::Combo, 0, listOf({u"Left CONTROL", u"C"})};
    profile->assignment(0, 0) = {Kind::Single, 5, {}};     // entry 0 belongs to no key
    profile->assignment(3, 0) = {-2, 5, {}};               // below "Not set": not sent

    EXPECT_TRUE(transfer.writeKeys(5));
    const std::vector<std::pair<std::pair<int, int>, Ints>> expected = {
        {{0, 2}, {0, 2, 67, 58}},
        {{0, 87}, {0, 2, 130, 130}},
        {{1, 1}, {1, 30, 2, 43, 60}},
        {{1, 70}, {0, 1, 70}},
    };
    EXPECT_EQ(device.sentKeys, expected);
    EXPECT_EQ(device.calls.front(), "prepare");
    EXPECT_EQ(device.calls.back(), "writeKeyConfigurationToDev");
}

TEST_F(DeviceTransferTest, FailedWriteCallsAreReportedAfterTheWholeSequence)
{
    profile->assignment(4, 0).kind = Kind::Single;
    for (const char* failing : {"prepare", "setKeyConfiguration", "writeKeyConfigurationToDev"}) {
        SCOPED_TRACE(failing);
        device.calls.clear();
        device.failing.clear();
        device.failing[failing] = true;
        EXPECT_FALSE(transfer.writeKeys(1));
        EXPECT_EQ(device.calls, (std::vector<std::string>{"prepare", "setKeyConfiguration", "writeKeyConfigurationToDev"}));
    }
}

TEST_F(DeviceTransferTest, ReadKeysDecodesEveryKeyOfBothLayers)
{
    device.storedKeys[{0, 1}] = {0, 1, 120};
    device.storedKeys[{0, 87}] = {2, 0, 3, 1, 0, 2, 43, 50, 43};
    device.storedKeys[{1, 70}] = {0, 2, 130, 130};
    profile->assignment(5, 1) = {Kind::Single, 9, {}};   // the keyboard says "Not set"

    EXPECT_TRUE(transfer.readKeys(12));
    EXPECT_EQ(device.lastWindow, 12u);
    ASSERT_EQ(device.calls.size(), 1u + 2 * 87);
    EXPECT_EQ(device.calls.front(), "readKeyDefinationFromDev");

    EXPECT_EQ(profile->assignment(1, 0).kind, Kind::Multimedia);
    EXPECT_EQ(profile->assignment(1, 0).code, 120);
    EXPECT_EQ(profile->describeAssignment(87, 0), u"A,50,A");
    EXPECT_EQ(profile->assignment(70, 1).kind, Kind::Mouse);
    EXPECT_EQ(profile->assignment(70, 1).code, 199);
    EXPECT_EQ(profile->assignment(5, 1).kind, Kind::NotSet);
    EXPECT_EQ(profile->assignment(5, 1).code, 9);
}

TEST_F(DeviceTransferTest, FailedReadKeepsTheProfile)
{
    profile->assignment(6, 0) = {Kind::Macro, 0, listOf({u"A Down"})};
    profile->assignment(7, 1) = {Kind::Power, 75, {}};
    device.storedKeys[{1, 8}] = {0, 1, 70};

    device.failing["readKeyDefinationFromDev"] = true;
    EXPECT_FALSE(transfer.readKeys(1));
    EXPECT_EQ(device.calls.size(), 1u);
    EXPECT_EQ(profile->assignment(6, 0).kind, Kind::Macro);

    // One key that cannot be read keeps its assignment; the others still arrive.
    device.failing.clear();
    device.failing["getKeyConfiguration 1/7"] = true;
    EXPECT_FALSE(transfer.readKeys(1));
    EXPECT_EQ(profile->assignment(6, 0).kind, Kind::NotSet);
    EXPECT_EQ(profile->assignment(7, 1).kind, Kind::Power);
    EXPECT_EQ(profile->assignment(8, 1).kind, Kind::Single);
}

TEST_F(DeviceTransferTest, LightsTravelAsRedGreenBlueOfKeys1To87)
{
    for (int key = 0; key < KeyboardProfile::kKeyTableSize; ++key)
        profile->keyLights[static_cast<std::size_t>(key)] = {key, 100 + key, 255 - key};

    EXPECT_TRUE(transfer.writeLights());
    ASSERT_EQ(device.sentLights.size(), 261u);
    EXPECT_EQ((Ints{device.sentLights[0], device.sentLights[1], device.sentLights[2]}), (Ints{1, 101, 254}));
    EXPECT_EQ((Ints{device.sentLights[258], device.sentLights[259], device.sentLights[260]}), (Ints{87, 187, 168}));

    device.storedLights.assign(261, 0);
    for (int i = 0; i < 261; ++i)
        device.storedLights[static_cast<std::size_t>(i)] = i % 256;
    EXPECT_TRUE(transfer.readLights());
    EXPECT_EQ(device.calls, (std::vector<std::string>{"setKeyboardLightArea", "readKeyLightFromDev", "getKeyboardLightArea"}));
    EXPECT_EQ(profile->keyLights[0], (KeyLight{0, 100, 255}));   // entry 0 is never read
    EXPECT_EQ(profile->keyLights[1], (KeyLight{0, 1, 2}));
    EXPECT_EQ(profile->keyLights[87], (KeyLight{258 % 256, 259 % 256, 260 % 256}));
}

TEST_F(DeviceTransferTest, FailedLightReadKeepsTheLights)
{
    profile->keyLights[10] = {1, 2, 3};
    device.storedLights.assign(261, 200);
    for (const char* failing : {"readKeyLightFromDev", "getKeyboardLightArea"}) {
        SCOPED_TRACE(failing);
        device.failing.clear();
        device.failing[failing] = true;
        EXPECT_FALSE(transfer.readLights());
        EXPECT_EQ(profile->keyLights[10], (KeyLight{1, 2, 3}));
    }
}

}  // namespace
