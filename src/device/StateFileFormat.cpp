#include "StateFileFormat.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace {

constexpr std::string_view kVersionTag = "version ";
constexpr std::string_view kFirmwareTag = "firmware";
constexpr std::string_view kLightsTag = "lights";
constexpr std::string_view kKeyTag = "key";
constexpr std::string_view kEnd = "end";

void appendInt(std::string& out, long long value, int base = 10)
{
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits, value, base);
    out.append(digits, result.ptr);
}

void appendHex8(std::string& out, std::uint32_t value)
{
    std::string hex;
    appendInt(hex, value, 16);
    out.append(8 - hex.size(), '0');
    out += hex;
}

// Walks the text line by line; a line without its '\n' counts as cut off.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool next(std::string_view& line)
    {
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) return false;
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return true;
    }
    bool finished() const { return pos_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Reads the space-separated fields of one line.
class FieldReader {
public:
    explicit FieldReader(std::string_view line) : line_(line) {}

    bool word(std::string_view expected)
    {
        std::string_view field;
        return take(field) && field == expected;
    }

    bool integer(long long& value, long long low, long long high, int base = 10)
    {
        std::string_view field;
        if (!take(field)) return false;
        auto result = std::from_chars(field.data(), field.data() + field.size(), value, base);
        return result.ec == std::errc() && result.ptr == field.data() + field.size()
            && value >= low && value <= high;
    }

    bool finished() const { return pos_ > line_.size(); }

private:
    bool take(std::string_view& field)
    {
        if (pos_ > line_.size()) return false;
        std::size_t end = line_.find(' ', pos_);
        if (end == std::string_view::npos) end = line_.size();
        field = line_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return !field.empty();
    }

    std::string_view line_;
    std::size_t pos_ = 0;
};

constexpr long long kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr long long kIntMax = std::numeric_limits<std::int32_t>::max();

bool parseVersion(std::string_view line, std::string& version)
{
    if (line.substr(0, kVersionTag.size()) != kVersionTag) return false;
    std::string_view text = line.substr(kVersionTag.size());
    if (!KeyboardState::validVersion(text)) return false;
    version = text;
    return true;
}

bool parseFirmware(std::string_view line, std::optional<FirmwareRecord>& firmware)
{
    FieldReader fields(line);
    long long size = 0;
    long long crc = 0;
    if (!fields.word(kFirmwareTag) || !fields.integer(size, 0, std::numeric_limits<long long>::max())
        || !fields.integer(crc, 0, 0xFFFFFFFFLL, 16) || !fields.finished())
        return false;
    firmware = FirmwareRecord{static_cast<std::uint64_t>(size), static_cast<std::uint32_t>(crc)};
    return true;
}

bool parseLights(std::string_view line, std::array<int, KeyboardState::kLightValues>& lights)
{
    FieldReader fields(line);
    if (!fields.word(kLightsTag)) return false;
    for (int& light : lights) {
        long long value = 0;
        if (!fields.integer(value, 0, KeyboardState::kMaxLight)) return false;
        light = static_cast<int>(value);
    }
    return fields.finished();
}

// Keys come in strictly ascending (layer, KeyIndex) order, so a repeated key is caught too.
bool parseKey(std::string_view line, KeyboardState& state, long long& lastSlot)
{
    FieldReader fields(line);
    long long layer = 0;
    long long key = 0;
    long long count = 0;
    if (!fields.word(kKeyTag) || !fields.integer(layer, 0, KeyboardState::kLayers - 1)
        || !fields.integer(key, 1, KeyboardState::kKeys) || !fields.integer(count, 1, KeyboardState::kMaxArrayLength))
        return false;
    long long slot = layer * (KeyboardState::kKeys + 1) + key;
    if (slot <= lastSlot) return false;
    lastSlot = slot;

    std::vector<int>& values = state.keys[layer][key];
    values.reserve(static_cast<std::size_t>(count));
    for (long long i = 0; i < count; ++i) {
        long long value = 0;
        if (!fields.integer(value, kIntMin, kIntMax)) return false;
        values.push_back(static_cast<int>(value));
    }
    return fields.finished();
}

}  // namespace

std::string StateFileFormat::format(const KeyboardState& state)
{
    std::string out;
    out.append(kHeader).append("\n");
    out.append(kVersionTag).append(state.version).append("\n");
    if (state.firmware) {
        out.append(kFirmwareTag).append(" ");
        appendInt(out, static_cast<long long>(state.firmware->size));
        out.append(" ");
        appendHex8(out, state.firmware->crc32);
        out.append("\n");
    }
    out.append(kLightsTag);
    for (int light : state.lights) {
        out.append(" ");
        appendInt(out, light);
    }
    out.append("\n");
    for (int layer = 0; layer < KeyboardState::kLayers; ++layer) {
        for (int key = 1; key <= KeyboardState::kKeys; ++key) {
            const std::vector<int>& values = state.keys[layer][key];
            if (values.empty()) continue;
            out.append(kKeyTag).append(" ");
            appendInt(out, layer);
            out.append(" ");
            appendInt(out, key);
            out.append(" ");
            appendInt(out, static_cast<long long>(values.size()));
            for (int value : values) {
                out.append(" ");
                appendInt(out, value);
            }
            out.append("\n");
        }
    }
    out.append(kEnd).append("\n");
    return out;
}

std::optional<KeyboardState> StateFileFormat::parse(std::string_view text)
{
    LineReader lines(text);
    KeyboardState state;
    std::string_view line;
    if (!lines.next(line) || line != kHeader) return std::nullopt;
    if (!lines.next(line) || !parseVersion(line, state.version)) return std::nullopt;
    if (!lines.next(line)) return std::nullopt;
    if (line.substr(0, kFirmwareTag.size() + 1) == "firmware ") {
        if (!parseFirmware(line, state.firmware) || !lines.next(line)) return std::nullopt;
    }
    if (!parseLights(line, state.lights)) return std::nullopt;

    long long lastSlot = -1;
    while (true) {
        if (!lines.next(line)) return std::nullopt;
        if (line == kEnd) break;
        if (!parseKey(line, state, lastSlot)) return std::nullopt;
    }
    if (!lines.finished()) return std::nullopt;
    return state;
}
