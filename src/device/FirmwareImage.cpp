#include "FirmwareImage.h"

#include "KeyboardState.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> makeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = makeCrcTable();

bool printable(unsigned char c) { return c >= 0x20 && c <= 0x7E; }

}  // namespace

std::uint32_t FirmwareImage::crc32(const unsigned char* bytes, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) crc = kCrcTable[(crc ^ bytes[i]) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::optional<std::string> FirmwareImage::versionText(const unsigned char* bytes, std::size_t size)
{
    if (bytes == nullptr) return std::nullopt;
    const unsigned char* end = bytes + size;
    const unsigned char* tag = std::search(bytes, end, kVersionTag.begin(), kVersionTag.end(),
                                           [](unsigned char a, char b) { return a == static_cast<unsigned char>(b); });
    if (tag == end) return std::nullopt;
    const unsigned char* first = tag + kVersionTag.size();
    const unsigned char* last = std::find_if_not(first, end, printable);
    std::string text(first, last);
    if (!KeyboardState::validVersion(text)) return std::nullopt;
    return text;
}
