#include "CZelkHWI.h"

#include "FirmwareImage.h"
#include "RecordingSink.h"
#include "SimulatedKeyboard.h"
#include "StateFileFormat.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr WindowHandle kWindow = 7;
constexpr int kSentinel = 0x5A5A5A5A;
constexpr int kCapacity = 65536;

using Array = std::vector<int>;

std::vector<int> fullProgress()
{
    std::vector<int> values;
    for (int p = 0; p <= kProgressComplete; p += TransferPacer::kStep) values.push_back(p);
    return values;
}

std::vector<int> progressBelow(int limit)
{
    std::vector<int> values = fullProgress();
    values.erase(std::remove_if(values.begin(), values.end(), [&](int p) { return p >= limit; }), values.end());
    return values;
}

std::u16string versionOf(CZelkHWI& device)
{
    std::array<char16_t, CZelkHWI::kVersionChars> buffer;
    buffer.fill(u'#');
    if (!device.ReadKeyboardVersion(buffer.data())) return u"<failed>";
    return std::u16string(buffer.data());
}

// Each test gets its own state file, instant pace and a recorder of posted messages.
// Holds a transfer inside the library at its first progress step until released.
class HoldingSink : public MessageSink {
public:
    void post(WindowHandle, unsigned message, std::uintptr_t, std::intptr_t) override
    {
        if (message != kMsgProgress) return;
        std::unique_lock lock(mutex_);
        entered_ = true;
        changed_.notify_all();
        changed_.wait(lock, [&] { return released_; });
    }
    void waitUntilEntered()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return entered_; });
    }
    void release()
    {
        {
            std::lock_guard lock(mutex_);
            released_ = true;
        }
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool entered_ = false;
    bool released_ = false;
};

class CZelkHWITest : public testing::Test {
protected:
    CZelkHWITest() { attach(hwi); }

    void attach(CZelkHWI& device)
    {
        device.simulator().setStatePath(dir / "keyboard.state");
        device.simulator().setInstant();
    }

    static void stage(CZelkHWI& device, const std::vector<std::tuple<int, int, Array>>& keys)
    {
        ASSERT_TRUE(device.prepare());
        for (const auto& [layer, key, values] : keys)
            ASSERT_TRUE(device.setKeyConfiguration(layer, key, values.data(), static_cast<int>(values.size())));
    }

    static void writeKeys(CZelkHWI& device, const std::vector<std::tuple<int, int, Array>>& keys)
    {
        stage(device, keys);
        ASSERT_TRUE(device.writeKeyConfigurationToDev(kWindow));
    }

    static void setLights(CZelkHWI& device, int value)
    {
        std::vector<int> lights(CZelkHWI::kLightValues, value);
        ASSERT_TRUE(device.setKeyboardLightArea(lights.data()));
    }

    // The array the last snapshot holds for a key, taken from a buffer that shows how far the
    // call wrote: it must stop at the array's end.
    static Array keyOf(CZelkHWI& device, int layer, int key, std::size_t expectedLength)
    {
        Array buffer(kCapacity, kSentinel);
        EXPECT_TRUE(device.getKeyConfiguration(layer, key, buffer.data(), kCapacity));
        EXPECT_EQ(buffer[expectedLength], kSentinel) << "wrote past the array of key " << key;
        buffer.resize(expectedLength);
        return buffer;
    }

    static std::vector<int> lightsOf(CZelkHWI& device)
    {
        std::vector<int> lights(CZelkHWI::kLightValues, kSentinel);
        EXPECT_TRUE(device.getKeyboardLightArea(lights.data()));
        return lights;
    }

    TempDir dir;
    RecordingSink sink;
    CZelkHWI hwi;
};

// --- Writing and reading -------------------------------------------------------------------

TEST_F(CZelkHWITest, KeysAndLightsSurviveARestart)
{
    const Array single = {0, 1, 70};
    const Array emulation = {1, 30, 2, 43, 60};
    const Array macro = {2, 0, 3, 1, 0, 2, 43, 50, 43};
    Array longest(kCapacity, 0);
    longest[1] = kCapacity - 2;
    std::vector<int> lights(CZelkHWI::kLightValues);
    for (int i = 0; i < CZelkHWI::kLightValues; ++i) lights[i] = (i * 37) % 256;

    writeKeys(hwi, {{0, 1, single}, {0, 87, macro}, {1, 70, emulation}, {1, 87, longest}});
    ASSERT_TRUE(hwi.setKeyboardLightArea(lights.data()));

    CZelkHWI restarted;
    attach(restarted);
    ASSERT_TRUE(restarted.readKeyDefinationFromDev(kWindow));
    ASSERT_TRUE(restarted.readKeyLightFromDev());
    EXPECT_EQ(keyOf(restarted, 0, 1, 3), single);
    EXPECT_EQ(keyOf(restarted, 0, 87, 9), macro);
    EXPECT_EQ(keyOf(restarted, 1, 70, 5), emulation);
    Array readLongest(kCapacity, kSentinel);
    ASSERT_TRUE(restarted.getKeyConfiguration(1, 87, readLongest.data(), kCapacity));
    EXPECT_EQ(readLongest, longest);
    for (int layer : {0, 1})
        for (int key : {2, 50, 86}) EXPECT_EQ(keyOf(restarted, layer, key, 2), (Array{0, 0})) << layer << "/" << key;
    EXPECT_EQ(lightsOf(restarted), lights);
}

TEST_F(CZelkHWITest, WritingReplacesEveryKeyButKeepsLightsAndVersion)
{
    writeKeys(hwi, {{0, 1, {0, 1, 70}}, {1, 2, {0, 1, 71}}});
    setLights(hwi, 99);
    writeKeys(hwi, {{0, 3, {0, 1, 72}}});

    ASSERT_TRUE(hwi.readKeyDefinationFromDev(kWindow));
    ASSERT_TRUE(hwi.readKeyLightFromDev());
    EXPECT_EQ(keyOf(hwi, 0, 1, 2), (Array{0, 0}));
    EXPECT_EQ(keyOf(hwi, 1, 2, 2), (Array{0, 0}));
    EXPECT_EQ(keyOf(hwi, 0, 3, 3), (Array{0, 1, 72}));
    EXPECT_EQ(lightsOf(hwi), std::vector<int>(CZelkHWI::kLightValues, 99));
    EXPECT_EQ(versionOf(hwi), u"VT87 V1.0.4");
}

TEST_F(CZelkHWITest, StagedKeysReachNobodyUntilWritten)
{
    writeKeys(hwi, {{0, 1, {0, 1, 70}}});
    stage(hwi, {{0, 1, {0, 1, 99}}, {0, 2, {0, 1, 98}}});

    ASSERT_TRUE(hwi.readKeyDefinationFromDev(kWindow));
    EXPECT_EQ(keyOf(hwi, 0, 1, 3), (Array{0, 1, 70}));
    EXPECT_EQ(keyOf(hwi, 0, 2, 2), (Array{0, 0}));
    {
        CZelkHWI restarted;
        attach(restarted);
        ASSERT_TRUE(restarted.readKeyDefinationFromDev(kWindow));
        EXPECT_EQ(keyOf(restarted, 0, 1, 3), (Array{0, 1, 70}));
    }

    // A new prepare drops what was staged before it; the last array staged for a key wins.
    stage(hwi, {{1, 5, {0, 1, 10}}});
    ASSERT_TRUE(hwi.setKeyConfiguration(1, 6, Array{0, 1, 11}.data(), 3));
    ASSERT_TRUE(hwi.setKeyConfiguration(1, 6, Array{0, 1, 12}.data(), 3));
    ASSERT_TRUE(hwi.writeKeyConfigurationToDev(kWindow));
    KeyboardState::KeyArrays expected;
    expected[1][5] = {0, 1, 10};
    expected[1][6] = {0, 1, 12};
    EXPECT_EQ(hwi.simulator().storedState().keys, expected);
}

struct StagingCase {
    const char* name;
    int layer;
    int key;
    int count;
    bool nullData;
    bool accepted;
};

void PrintTo(const StagingCase& c, std::ostream* out) { *out << c.name; }

class CZelkHWIStaging : public CZelkHWITest, public testing::WithParamInterface<StagingCase> {};

TEST_P(CZelkHWIStaging, ChecksEveryArgument)
{
    const StagingCase& c = GetParam();
    Array data(std::max(c.count, 2), 5);
    ASSERT_TRUE(hwi.prepare());
    EXPECT_EQ(hwi.setKeyConfiguration(c.layer, c.key, c.nullData ? nullptr : data.data(), c.count), c.accepted);
    ASSERT_TRUE(hwi.writeKeyConfigurationToDev(kWindow));

    KeyboardState::KeyArrays expected;
    if (c.accepted && c.count > 0) expected[c.layer][c.key].assign(data.begin(), data.begin() + c.count);
    EXPECT_EQ(hwi.simulator().storedState().keys, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CZelkHWIStaging,
    testing::Values(StagingCase{"FirstKey", 0, 1, 3, false, true},
                    StagingCase{"LastKeyLongestArray", 1, 87, 65536, false, true},
                    StagingCase{"EmptyArrayMeansNothing", 0, 10, 0, false, true},
                    StagingCase{"LayerBelowZero", -1, 1, 3, false, false},
                    StagingCase{"LayerTwo", 2, 1, 3, false, false},
                    StagingCase{"KeyIndexZero", 0, 0, 3, false, false},
                    StagingCase{"KeyIndex88", 0, 88, 3, false, false},
                    StagingCase{"NegativeCount", 0, 1, -1, false, false},
                    StagingCase{"ArrayTooLong", 0, 1, 65537, false, false},
                    StagingCase{"NullData", 0, 1, 3, true, false},
                    StagingCase{"NullDataEmptyArray", 0, 1, 0, true, false}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(CZelkHWITest, GetKeyConfigurationNeverWritesBeyondCapacity)
{
    const Array ten = {0, 8, 1, 2, 3, 4, 5, 6, 7, 8};
    writeKeys(hwi, {{0, 1, ten}});
    ASSERT_TRUE(hwi.readKeyDefinationFromDev(kWindow));

    struct Case {
        int layer, key, capacity;
        bool ok;
        Array written;  // what the buffer holds afterwards up to its capacity
    };
    const Case cases[] = {
        {0, 1, 10, true, ten},
        {0, 1, 9, false, {0, 0, kSentinel, kSentinel, kSentinel, kSentinel, kSentinel, kSentinel, kSentinel}},
        {0, 1, 1, false, {0}},
        {0, 1, 0, false, {}},
        {0, 2, 2, true, {0, 0}},
        {0, 2, 1, false, {0}},
        {2, 1, 10, false, Array(10, kSentinel)},
        {0, 0, 10, false, Array(10, kSentinel)},
        {0, 88, 10, false, Array(10, kSentinel)},
        {0, 1, -1, false, {}},
    };
    for (const Case& c : cases) {
        Array buffer(12, kSentinel);
        EXPECT_EQ(hwi.getKeyConfiguration(c.layer, c.key, buffer.data(), c.capacity), c.ok)
            << c.layer << "/" << c.key << " capacity " << c.capacity;
        Array expected = c.written;
        expected.resize(12, kSentinel);
        EXPECT_EQ(buffer, expected) << c.layer << "/" << c.key << " capacity " << c.capacity;
    }
    EXPECT_FALSE(hwi.getKeyConfiguration(0, 1, nullptr, 10));
}

TEST_F(CZelkHWITest, NothingReadYetReadsAsEmpty)
{
    writeKeys(hwi, {{0, 1, {0, 1, 70}}});
    setLights(hwi, 50);
    EXPECT_EQ(keyOf(hwi, 0, 1, 2), (Array{0, 0}));
    EXPECT_EQ(lightsOf(hwi), std::vector<int>(CZelkHWI::kLightValues, 0));
}

TEST_F(CZelkHWITest, LightsOutOfRangeAreRefusedWhole)
{
    setLights(hwi, 10);
    for (int bad : {-1, 256, 1 << 20}) {
        std::vector<int> lights(CZelkHWI::kLightValues, 200);
        lights[CZelkHWI::kLightValues - 1] = bad;
        EXPECT_FALSE(hwi.setKeyboardLightArea(lights.data())) << bad;
    }
    EXPECT_FALSE(hwi.setKeyboardLightArea(nullptr));
    EXPECT_FALSE(hwi.getKeyboardLightArea(nullptr));
    ASSERT_TRUE(hwi.readKeyLightFromDev());
    EXPECT_EQ(lightsOf(hwi), std::vector<int>(CZelkHWI::kLightValues, 10));
}

// --- State file ----------------------------------------------------------------------------

TEST_F(CZelkHWITest, UnusableStateFileIsAnEmptyKeyboardUntilWrittenAgain)
{
    KeyboardState full;
    full.version = "Old V9";
    full.lights.fill(3);
    full.keys[0][4] = {0, 1, 70};
    const std::string valid = StateFileFormat::format(full);
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"missing", std::nullopt},
        {"truncated", valid.substr(0, valid.size() - 5)},
        {"damaged", "VornicTamsk keyboard state 1\nversion Old V9\nlights 1 2 3\nend\n"},
        {"binary", std::string("\0\1\2\3", 4)},
    };
    for (const auto& [name, content] : cases) {
        const std::filesystem::path path = dir / "keyboard.state";
        std::filesystem::remove(path);
        if (content) writeFile(path, *content);

        ASSERT_TRUE(hwi.readKeyDefinationFromDev(kWindow)) << name;
        ASSERT_TRUE(hwi.readKeyLightFromDev()) << name;
        EXPECT_EQ(keyOf(hwi, 0, 4, 2), (Array{0, 0})) << name;
        EXPECT_EQ(lightsOf(hwi), std::vector<int>(CZelkHWI::kLightValues, 0)) << name;
        EXPECT_EQ(versionOf(hwi), u"VT87 V1.0.4") << name;

        writeKeys(hwi, {{1, 9, {0, 1, 9}}});
        KeyboardState expected;
        expected.keys[1][9] = {0, 1, 9};
        EXPECT_EQ(StateFileFormat::parse(readFile(path)), expected) << name;
    }
}

TEST_F(CZelkHWITest, UnwritableStateFileFailsTheWrite)
{
    hwi.simulator().setStatePath(dir / "taken");
    std::filesystem::create_directory(dir / "taken");
    stage(hwi, {{0, 1, {0, 1, 70}}});
    EXPECT_FALSE(hwi.writeKeyConfigurationToDev(kWindow));
    EXPECT_EQ(sink.progressTo(kWindow), progressBelow(kProgressComplete));
    EXPECT_FALSE(hwi.WriteFirmwareToKeyboard(nullptr, 0, kWindow));
    std::vector<int> lights(CZelkHWI::kLightValues, 1);
    EXPECT_FALSE(hwi.setKeyboardLightArea(lights.data()));
}

// --- Version and firmware ------------------------------------------------------------------

TEST_F(CZelkHWITest, FirmwareImageIsRecordedAndMayCarryItsVersion)
{
    EXPECT_EQ(versionOf(hwi), u"VT87 V1.0.4");
    EXPECT_FALSE(hwi.ReadKeyboardVersion(nullptr));

    std::string untagged = "binary\x01\x02 image";
    std::vector<unsigned char> bytes(untagged.begin(), untagged.end());
    ASSERT_TRUE(hwi.WriteFirmwareToKeyboard(bytes.data(), bytes.size(), kWindow));
    const std::uint32_t crc = FirmwareImage::crc32(bytes.data(), bytes.size());
    std::fill(bytes.begin(), bytes.end(), 0);  // the caller frees its buffer as soon as the call returns
    EXPECT_EQ(hwi.simulator().storedState().firmware, (FirmwareRecord{untagged.size(), crc}));
    EXPECT_EQ(versionOf(hwi), u"VT87 V1.0.4");

    std::string tagged = std::string("\x7f\x00", 2) + "VT-FIRMWARE-VERSION:VT87 V2.0.1" + std::string("\0\xff", 2);
    ASSERT_TRUE(hwi.WriteFirmwareToKeyboard(reinterpret_cast<const unsigned char*>(tagged.data()), tagged.size(), kWindow));
    CZelkHWI restarted;
    attach(restarted);
    EXPECT_EQ(versionOf(restarted), u"VT87 V2.0.1");
}

TEST_F(CZelkHWITest, EmptyFirmwareImageIsAccepted)
{
    const unsigned char zero = 0;
    for (const unsigned char* bytes : {&zero, static_cast<const unsigned char*>(nullptr)}) {
        sink.clear();
        EXPECT_TRUE(hwi.WriteFirmwareToKeyboard(bytes, 0, kWindow));
        EXPECT_EQ(sink.progressTo(kWindow), fullProgress());
        EXPECT_EQ(hwi.simulator().storedState().firmware, (FirmwareRecord{0, 0}));
    }
    EXPECT_FALSE(hwi.WriteFirmwareToKeyboard(nullptr, 1, kWindow));
}

// --- Progress ------------------------------------------------------------------------------

struct TransferCase {
    const char* name;
    std::function<bool(CZelkHWI&, WindowHandle)> run;
};

const TransferCase kTransfers[] = {
    {"writeKeyConfigurationToDev", [](CZelkHWI& d, WindowHandle w) { return d.writeKeyConfigurationToDev(w); }},
    {"readKeyDefinationFromDev", [](CZelkHWI& d, WindowHandle w) { return d.readKeyDefinationFromDev(w); }},
    {"WriteFirmwareToKeyboard",
     [](CZelkHWI& d, WindowHandle w) {
         const unsigned char image[] = {1, 2, 3, 4};
         return d.WriteFirmwareToKeyboard(image, sizeof image, w);
     }},
};

TEST_F(CZelkHWITest, TransfersPostProgressToTheirWindowOnly)
{
    for (const TransferCase& transfer : kTransfers) {
        sink.clear();
        ASSERT_TRUE(transfer.run(hwi, kWindow)) << transfer.name;
        EXPECT_EQ(sink.progressTo(kWindow), fullProgress()) << transfer.name;
        for (const RecordingSink::Message& m : sink.messages()) {
            EXPECT_EQ(m.window, kWindow) << transfer.name;
            EXPECT_EQ(m.message, kMsgProgress) << transfer.name;
            EXPECT_EQ(m.lParam, 0) << transfer.name;
        }

        sink.clear();
        ASSERT_TRUE(transfer.run(hwi, 0)) << transfer.name;
        EXPECT_TRUE(sink.messages().empty()) << transfer.name;
    }
}

// --- Injected faults -----------------------------------------------------------------------

// Gives the keyboard stored data, snapshots and a staged set that all differ, so that any call
// that has an effect changes something observeEffects() sees.
class CZelkHWIFaults : public CZelkHWITest {
protected:
    CZelkHWIFaults()
    {
        writeKeys(hwi, {{0, 1, {0, 1, 70}}});
        EXPECT_TRUE(hwi.readKeyDefinationFromDev(kWindow));
        setLights(hwi, 7);
        EXPECT_TRUE(hwi.readKeyLightFromDev());
        setLights(hwi, 9);
        restoreKeys();
        stored = hwi.simulator().storedState();
    }

    // Stored keys and staged set as the constructor leaves them (expectNoEffect writes the
    // staged set to see it).
    void restoreKeys()
    {
        writeKeys(hwi, {{1, 2, {0, 1, 71}}});
        stage(hwi, {{0, 3, {0, 1, 72}}});
        sink.clear();
    }

    // Checks, with the keyboard working again, that nothing changed since the constructor.
    void expectNoEffect(const std::string& what)
    {
        hwi.simulator().faults().clear();
        EXPECT_TRUE(sink.messages().empty()) << what;
        EXPECT_EQ(hwi.simulator().storedState(), stored) << what;
        EXPECT_EQ(keyOf(hwi, 0, 1, 3), (Array{0, 1, 70})) << what;
        EXPECT_EQ(keyOf(hwi, 1, 2, 2), (Array{0, 0})) << what;
        EXPECT_EQ(lightsOf(hwi), std::vector<int>(CZelkHWI::kLightValues, 7)) << what;
        ASSERT_TRUE(hwi.writeKeyConfigurationToDev(0));
        KeyboardState::KeyArrays staged;
        staged[0][3] = {0, 1, 72};
        EXPECT_EQ(hwi.simulator().storedState().keys, staged) << what;
    }

    // Buffers a failing call must leave alone.
    struct Buffers {
        Array key = Array(kCapacity, kSentinel);
        Array lights = Array(CZelkHWI::kLightValues, kSentinel);
        std::array<char16_t, CZelkHWI::kVersionChars> version = filledVersion();
        static std::array<char16_t, CZelkHWI::kVersionChars> filledVersion()
        {
            std::array<char16_t, CZelkHWI::kVersionChars> v;
            v.fill(u'#');
            return v;
        }
    };

    struct Call {
        DeviceCall call;
        const char* name;
        std::function<bool(CZelkHWI&, Buffers&)> invoke;
    };

    static const std::vector<Call>& everyCall()
    {
        static const Array key = {0, 1, 73};
        static const Array lights(CZelkHWI::kLightValues, 5);
        static const unsigned char image[] = "VT-FIRMWARE-VERSION:Changed";
        static const std::vector<Call> calls = {
            {DeviceCall::CreateDev, "__createDev", [](CZelkHWI& d, Buffers&) { return d.__createDev(); }},
            {DeviceCall::DetectDevice, "DetectDevice", [](CZelkHWI& d, Buffers&) { return d.DetectDevice(); }},
            {DeviceCall::Prepare, "prepare", [](CZelkHWI& d, Buffers&) { return d.prepare(); }},
            {DeviceCall::SetKeyConfiguration, "setKeyConfiguration",
             [](CZelkHWI& d, Buffers&) { return d.setKeyConfiguration(0, 4, key.data(), 3); }},
            {DeviceCall::WriteKeyConfigurationToDev, "writeKeyConfigurationToDev",
             [](CZelkHWI& d, Buffers&) { return d.writeKeyConfigurationToDev(kWindow); }},
            {DeviceCall::ReadKeyDefinationFromDev, "readKeyDefinationFromDev",
             [](CZelkHWI& d, Buffers&) { return d.readKeyDefinationFromDev(kWindow); }},
            {DeviceCall::GetKeyConfiguration, "getKeyConfiguration",
             [](CZelkHWI& d, Buffers& b) { return d.getKeyConfiguration(0, 1, b.key.data(), kCapacity); }},
            {DeviceCall::SetKeyboardLightArea, "setKeyboardLightArea",
             [](CZelkHWI& d, Buffers&) { return d.setKeyboardLightArea(lights.data()); }},
            {DeviceCall::ReadKeyLightFromDev, "readKeyLightFromDev",
             [](CZelkHWI& d, Buffers&) { return d.readKeyLightFromDev(); }},
            {DeviceCall::GetKeyboardLightArea, "getKeyboardLightArea",
             [](CZelkHWI& d, Buffers& b) { return d.getKeyboardLightArea(b.lights.data()); }},
            {DeviceCall::ReadKeyboardVersion, "ReadKeyboardVersion",
             [](CZelkHWI& d, Buffers& b) { return d.ReadKeyboardVersion(b.version.data()); }},
            {DeviceCall::WriteFirmwareToKeyboard, "WriteFirmwareToKeyboard",
             [](CZelkHWI& d, Buffers&) { return d.WriteFirmwareToKeyboard(image, sizeof image, kWindow); }},
        };
        return calls;
    }

    static void expectBuffersUntouched(const Buffers& buffers, const std::string& what)
    {
        const Buffers fresh;
        EXPECT_TRUE(buffers.key == fresh.key) << what;
        EXPECT_EQ(buffers.lights, fresh.lights) << what;
        EXPECT_EQ(buffers.version, fresh.version) << what;
    }

    KeyboardState stored;
};

TEST_F(CZelkHWIFaults, EveryCallWorksWhileConnected)
{
    for (const Call& call : everyCall()) {
        Buffers buffers;
        EXPECT_TRUE(call.invoke(hwi, buffers)) << call.name;
    }
}

TEST_F(CZelkHWIFaults, NotConnectedFailsEveryCallWithoutEffect)
{
    hwi.simulator().faults().setConnected(false);
    Buffers buffers;
    for (const Call& call : everyCall()) EXPECT_FALSE(call.invoke(hwi, buffers)) << call.name;
    expectBuffersUntouched(buffers, "not connected");
    expectNoEffect("not connected");
}

TEST_F(CZelkHWIFaults, FailingCallFailsAloneAndWithoutEffect)
{
    for (const Call& call : everyCall()) {
        hwi.simulator().faults().failCall(call.call);
        Buffers buffers;
        EXPECT_FALSE(call.invoke(hwi, buffers)) << call.name;
        EXPECT_FALSE(call.invoke(hwi, buffers)) << call.name << " fails until cleared";
        EXPECT_EQ(hwi.DetectDevice(), call.call != DeviceCall::DetectDevice) << call.name;
        EXPECT_EQ(hwi.__createDev(), call.call != DeviceCall::CreateDev) << call.name;
        expectBuffersUntouched(buffers, call.name);
        expectNoEffect(call.name);
        restoreKeys();
    }
}

TEST_F(CZelkHWIFaults, DisconnectDuringATransferKeepsWhatTheKeyboardHeld)
{
    for (const TransferCase& transfer : kTransfers) {
        hwi.simulator().faults().disconnectDuringTransfer(60);
        EXPECT_FALSE(transfer.run(hwi, kWindow)) << transfer.name;
        EXPECT_EQ(sink.progressTo(kWindow), progressBelow(60)) << transfer.name;
        EXPECT_FALSE(hwi.DetectDevice()) << transfer.name << " leaves the keyboard unplugged";
        sink.clear();
        expectNoEffect(transfer.name);
        restoreKeys();
    }
}

// --- Threads -------------------------------------------------------------------------------

TEST_F(CZelkHWITest, CallsFromTwoThreadsNeverOverlap)
{
    // Slow enough that overlapping transfers would interleave their progress messages.
    hwi.simulator().setTimeScale(0.002);
    constexpr WindowHandle kKeysWindow = 1;
    constexpr WindowHandle kOtherWindow = 2;
    std::atomic<int> mismatches{0};

    std::thread keys([&] {
        for (int round = 0; round < 8; ++round) {
            const Array values = {0, 1, round};
            hwi.prepare();
            for (int key = 1; key <= 20; ++key) hwi.setKeyConfiguration(round % 2, key, values.data(), 3);
            hwi.writeKeyConfigurationToDev(kKeysWindow);
            hwi.readKeyDefinationFromDev(kKeysWindow);
            Array buffer(kCapacity, kSentinel);
            hwi.getKeyConfiguration(round % 2, 20, buffer.data(), kCapacity);
            if (!std::equal(values.begin(), values.end(), buffer.begin())) ++mismatches;
        }
    });
    std::thread other([&] {
        for (int round = 0; round < 8; ++round) {
            std::vector<int> lights(CZelkHWI::kLightValues, round);
            hwi.setKeyboardLightArea(lights.data());
            hwi.readKeyLightFromDev();
            std::vector<int> back(CZelkHWI::kLightValues, kSentinel);
            hwi.getKeyboardLightArea(back.data());
            if (back != lights) ++mismatches;
            const unsigned char image[] = {1, 2, 3};
            hwi.WriteFirmwareToKeyboard(image, sizeof image, kOtherWindow);
            std::array<char16_t, CZelkHWI::kVersionChars> version{};
            if (!hwi.ReadKeyboardVersion(version.data()) || std::u16string(version.data()) != u"VT87 V1.0.4")
                ++mismatches;
        }
    });
    keys.join();
    other.join();

    EXPECT_EQ(mismatches.load(), 0);
    const std::vector<RecordingSink::Message> messages = sink.messages();
    ASSERT_EQ(messages.size(), 24 * fullProgress().size());
    for (std::size_t i = 0; i + 1 < messages.size(); ++i) {
        if (messages[i].wParam != static_cast<std::uintptr_t>(kProgressComplete)) {
            ASSERT_EQ(messages[i + 1].window, messages[i].window) << "transfers interleaved at message " << i;
        }
    }
}

TEST_F(CZelkHWITest, CallStartedDuringATransferWaitsForIt)
{
    HoldingSink holding;
    setMessageSink(&holding);
    std::thread transfer([&] { hwi.writeKeyConfigurationToDev(kWindow); });
    holding.waitUntilEntered();
    std::atomic<bool> versionRead{false};
    std::thread reader([&] {
        versionOf(hwi);
        versionRead = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(versionRead.load()) << "ran beside the transfer";
    holding.release();
    transfer.join();
    reader.join();
    EXPECT_TRUE(versionRead.load());
    setMessageSink(&sink);
}

// --- Device changes ------------------------------------------------------------------------

TEST_F(CZelkHWITest, PlugAndUnplugArePostedToTheDeviceChangeWindowOnly)
{
    constexpr WindowHandle kMainWindow = 9;
    FaultInjector& faults = hwi.simulator().faults();
    auto changes = [&] {
        std::vector<std::uintptr_t> seen;
        for (const RecordingSink::Message& m : sink.messages()) {
            if (m.message != kMsgDeviceChange) continue;
            EXPECT_EQ(m.window, kMainWindow);
            seen.push_back(m.wParam);
        }
        return seen;
    };

    faults.setConnected(false);  // nobody asked to be told yet
    faults.setConnected(true);
    hwi.setDeviceChangeWindow(kMainWindow);
    faults.setConnected(true);   // no change, no notice
    faults.failCall(DeviceCall::DetectDevice);  // a failing call is no unplugging
    faults.setConnected(false);
    faults.setConnected(false);
    faults.clear();
    faults.disconnectDuringTransfer(30);
    stage(hwi, {});
    EXPECT_FALSE(hwi.writeKeyConfigurationToDev(kWindow));
    EXPECT_FALSE(hwi.DetectDevice());
    faults.clear();
    hwi.setDeviceChangeWindow(0);
    faults.setConnected(false);

    EXPECT_EQ(changes(), (std::vector<std::uintptr_t>{kDeviceRemoveComplete, kDeviceArrival, kDeviceRemoveComplete,
                                                       kDeviceArrival}));
}

TEST_F(CZelkHWITest, DetectDeviceAnswersWhileATransferHoldsTheLibrary)
{
    HoldingSink holding;
    setMessageSink(&holding);
    std::thread transfer([&] { hwi.writeKeyConfigurationToDev(kWindow); });
    holding.waitUntilEntered();

    // Asked on a thread of its own, so a query that waits for the library fails the test
    // instead of hanging it.
    auto answersAtOnce = [&](bool expected) {
        auto answer = std::async(std::launch::async, [&] { return hwi.DetectDevice(); });
        const bool ready = answer.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
        if (!ready) holding.release();
        EXPECT_TRUE(ready) << "waited for the transfer";
        EXPECT_EQ(answer.get(), expected);
    };
    answersAtOnce(true);
    hwi.simulator().faults().setConnected(false);
    answersAtOnce(false);

    holding.release();
    transfer.join();
    setMessageSink(&sink);
}

}  // namespace
