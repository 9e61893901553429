#include "StateFileFormat.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string lightsLine(const std::string& first, int count = KeyboardState::kLightValues)
{
    std::string line = "lights " + first;
    for (int i = 1; i < count; ++i) line += " 0";
    return line + "\n";
}

const std::string kHeader = "VornicTamsk keyboard state 1\n";
const std::string kVersion = "version VT87 V1.0.4\n";

// A small valid text; the damaged cases below differ from it in one place.
std::string validText(const std::string& keys = "key 0 1 3 0 1 70\nkey 1 87 2 0 0\n")
{
    return kHeader + kVersion + "firmware 10 0000abcd\n" + lightsLine("255") + keys + "end\n";
}

TEST(StateFileFormat, WritesTheDocumentedText)
{
    KeyboardState state;
    state.lights[0] = 255;
    state.keys[0][1] = {0, 1, 70};
    state.keys[1][87] = {0, 0};
    state.firmware = FirmwareRecord{10, 0xabcd};
    EXPECT_EQ(StateFileFormat::format(state), validText());
}

TEST(StateFileFormat, FreshKeyboardHasNoFirmwareOrKeyLines)
{
    EXPECT_EQ(StateFileFormat::format(KeyboardState{}), kHeader + kVersion + lightsLine("0") + "end\n");
}

TEST(StateFileFormat, RoundTripKeepsEveryValue)
{
    KeyboardState state;
    state.version = "Custom ~ build 7";
    state.firmware = FirmwareRecord{0xFFFFFFFFFFFFull, 0xFFFFFFFFu};
    for (int i = 0; i < KeyboardState::kLightValues; ++i) state.lights[i] = i % 256;
    state.keys[0][1] = {2, 0, 3, 1, 0, 2, 43, 50, 43};
    state.keys[0][87] = {INT_MIN, INT_MAX, -1, 0};
    state.keys[1][1] = std::vector<int>(KeyboardState::kMaxArrayLength, -7);
    state.keys[1][87] = {1, 30, 2, 43, 60};

    std::optional<KeyboardState> back = StateFileFormat::parse(StateFileFormat::format(state));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, state);
}

TEST(StateFileFormat, EveryTruncationIsRejected)
{
    const std::string text = validText();
    ASSERT_TRUE(StateFileFormat::parse(text).has_value());
    for (std::size_t length = 0; length < text.size(); ++length)
        EXPECT_FALSE(StateFileFormat::parse(text.substr(0, length)).has_value()) << "cut at " << length;
}

struct DamagedCase {
    const char* name;
    std::string text;
};

void PrintTo(const DamagedCase& c, std::ostream* out) { *out << c.name; }

class StateFileFormatDamaged : public testing::TestWithParam<DamagedCase> {};

TEST_P(StateFileFormatDamaged, IsRejected)
{
    EXPECT_FALSE(StateFileFormat::parse(GetParam().text).has_value());
}

const std::string kLights = lightsLine("0");

INSTANTIATE_TEST_SUITE_P(
    Cases, StateFileFormatDamaged,
    testing::Values(
        DamagedCase{"OtherFormatVersion", "VornicTamsk keyboard state 2\n" + kVersion + kLights + "end\n"},
        DamagedCase{"NoVersionLine", kHeader + kLights + "end\n"},
        DamagedCase{"EmptyVersion", kHeader + "version \n" + kLights + "end\n"},
        DamagedCase{"VersionTooLong", kHeader + "version " + std::string(64, 'v') + "\n" + kLights + "end\n"},
        DamagedCase{"VersionWithControlCharacter", kHeader + "version V1\t2\n" + kLights + "end\n"},
        DamagedCase{"FirmwareChecksumTooWide", kHeader + kVersion + "firmware 1 100000000\n" + kLights + "end\n"},
        DamagedCase{"FirmwareNegativeSize", kHeader + kVersion + "firmware -1 0\n" + kLights + "end\n"},
        DamagedCase{"FirmwareExtraField", kHeader + kVersion + "firmware 1 0 0\n" + kLights + "end\n"},
        DamagedCase{"TooFewLights", kHeader + kVersion + lightsLine("0", 260) + "end\n"},
        DamagedCase{"TooManyLights", kHeader + kVersion + lightsLine("0", 262) + "end\n"},
        DamagedCase{"LightAbove255", kHeader + kVersion + lightsLine("256") + "end\n"},
        DamagedCase{"NegativeLight", kHeader + kVersion + lightsLine("-1") + "end\n"},
        DamagedCase{"LightNotANumber", kHeader + kVersion + lightsLine("1x") + "end\n"},
        DamagedCase{"LayerTwo", validText("key 2 1 2 0 0\n")},
        DamagedCase{"KeyIndexZero", validText("key 0 0 2 0 0\n")},
        DamagedCase{"KeyIndex88", validText("key 0 88 2 0 0\n")},
        DamagedCase{"CountZero", validText("key 0 1 0\n")},
        DamagedCase{"CountAbove65536", validText("key 0 1 65537 0\n")},
        DamagedCase{"FewerValuesThanCount", validText("key 0 1 3 0 1\n")},
        DamagedCase{"MoreValuesThanCount", validText("key 0 1 2 0 1 70\n")},
        DamagedCase{"ValueBeyond32Bits", validText("key 0 1 2 0 2147483648\n")},
        DamagedCase{"SameKeyTwice", validText("key 0 5 2 0 0\nkey 0 5 2 0 0\n")},
        DamagedCase{"KeysOutOfOrder", validText("key 1 1 2 0 0\nkey 0 5 2 0 0\n")},
        DamagedCase{"DoubleSpace", validText("key 0 1 2 0  0\n")},
        DamagedCase{"TrailingSpace", validText("key 0 1 2 0 0 \n")},
        DamagedCase{"UnknownLine", validText("colour 0 1\n")},
        DamagedCase{"WindowsLineEnds", kHeader.substr(0, kHeader.size() - 1) + "\r\n" + kVersion + kLights + "end\n"},
        DamagedCase{"BytesAfterEnd", validText() + "key 0 1 2 0 0\n"},
        DamagedCase{"Empty", ""},
        DamagedCase{"Binary", std::string("\0\xff\x01garbage\n", 11)}),
    [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
