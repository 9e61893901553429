#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a firmware write leaves behind: enough to recognise the image, not the image itself.
struct FirmwareRecord {
    std::uint64_t size = 0;
    std::uint32_t crc32 = 0;
    friend bool operator==(const FirmwareRecord&, const FirmwareRecord&) = default;
};

// Everything the simulated keyboard remembers between runs. A default-constructed state is
// an empty keyboard: no key arrays, every light 0, the factory version text.
struct KeyboardState {
    static constexpr int kLayers = 2;
    static constexpr int kKeys = 87;               // KeyIndex 1..87
    static constexpr int kLightValues = 261;       // Red, Green, Blue of KeyIndex 1..87
    static constexpr int kMaxLight = 255;
    static constexpr int kMaxArrayLength = 65536;  // the callers' transfer buffers
    static constexpr int kMaxVersionChars = 63;    // plus a terminating zero in 64
    static constexpr std::string_view kFactoryVersion = "VT87 V1.0.4";

    // keys[layer][KeyIndex]; entry 0 of each layer belongs to no key. An empty array means
    // the key holds nothing.
    using KeyArrays = std::array<std::array<std::vector<int>, kKeys + 1>, kLayers>;
    KeyArrays keys;
    std::array<int, kLightValues> lights{};
    std::string version{kFactoryVersion};
    std::optional<FirmwareRecord> firmware;

    friend bool operator==(const KeyboardState&, const KeyboardState&) = default;

    // The rules every stored value obeys, shared by the device calls and the state file reader.
    static bool validLayer(int layer) { return layer >= 0 && layer < kLayers; }
    static bool validKey(int keyIndex) { return keyIndex >= 1 && keyIndex <= kKeys; }
    static bool validArrayLength(long long count) { return count >= 0 && count <= kMaxArrayLength; }
    static bool validLight(long long value) { return value >= 0 && value <= kMaxLight; }
    // Printable ASCII only, so the text converts to any character width and fits one line.
    static bool validVersion(std::string_view text);
};
