#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the simulated keyboard reads from a firmware image. Any bytes are a valid image.
class FirmwareImage {
public:
    // An image may name its version: this tag followed by 1..63 printable ASCII characters,
    // ended by any other byte or the end of the image. A longer run names no version.
    static constexpr std::string_view kVersionTag = "VT-FIRMWARE-VERSION:";

    // CRC-32 (the one of zip and PNG), so a user can compare with any crc32 tool.
    static std::uint32_t crc32(const unsigned char* bytes, std::size_t size);

    // The version text after the first tag, or nothing when there is no usable tag.
    static std::optional<std::string> versionText(const unsigned char* bytes, std::size_t size);
};
