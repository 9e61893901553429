#include "FirmwareImage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const unsigned char* bytesOf(const std::string& text) { return reinterpret_cast<const unsigned char*>(text.data()); }

TEST(FirmwareImage, Crc32MatchesTheCommonCheckValues)
{
    const std::pair<std::string, std::uint32_t> cases[] = {
        {"", 0x00000000u},
        {"123456789", 0xCBF43926u},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
        {std::string("\0\0\0\0", 4), 0x2144DF1Cu},
    };
    for (const auto& [text, crc] : cases) EXPECT_EQ(FirmwareImage::crc32(bytesOf(text), text.size()), crc) << text;
    EXPECT_EQ(FirmwareImage::crc32(nullptr, 0), 0u);
}

struct VersionCase {
    const char* name;
    std::string image;
    std::optional<std::string> version;
};

void PrintTo(const VersionCase& c, std::ostream* out) { *out << c.name; }

class FirmwareImageVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(FirmwareImageVersion, IsReadAfterTheTag)
{
    const std::string& image = GetParam().image;
    EXPECT_EQ(FirmwareImage::versionText(bytesOf(image), image.size()), GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirmwareImageVersion,
    testing::Values(
        VersionCase{"NoTag", "plain firmware bytes", std::nullopt},
        VersionCase{"TagAtTheEnd", "\x01\x02VT-FIRMWARE-VERSION:VT87 V2.1.0", "VT87 V2.1.0"},
        VersionCase{"EndedByZero", std::string("VT-FIRMWARE-VERSION:V3\0more", 27), "V3"},
        VersionCase{"EndedByNewline", "head VT-FIRMWARE-VERSION:V4 beta\nrest", "V4 beta"},
        VersionCase{"FirstTagWins", "VT-FIRMWARE-VERSION:A\x01VT-FIRMWARE-VERSION:B", "A"},
        VersionCase{"TagWithoutText", "VT-FIRMWARE-VERSION:\x01", std::nullopt},
        VersionCase{"LongestText", "VT-FIRMWARE-VERSION:" + std::string(63, 'x'), std::string(63, 'x')},
        VersionCase{"TextTooLong", "VT-FIRMWARE-VERSION:" + std::string(64, 'x'), std::nullopt},
        VersionCase{"CutOffTag", "VT-FIRMWARE-VERS", std::nullopt},
        VersionCase{"Empty", "", std::nullopt}),
    [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
