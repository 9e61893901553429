#pragma once

#include "KeyboardState.h"

#include <optional>
#include <string>
#include <string_view>

// The text form of the simulated keyboard's memory. Version 1, one record per line, lines
// ended by '\n', fields separated by one space, integers in decimal:
//
//   VornicTamsk keyboard state 1
//   version <printable ASCII text, 1..63 characters>
//   firmware <byte count> <CRC-32 of the image, 8 hex digits>    (only after a firmware write)
//   lights <261 values 0..255: Red, Green, Blue of KeyIndex 1, then 2, ... 87>
//   key <layer 0|1> <KeyIndex 1..87> <count 1..65536> <count signed 32-bit values>
//   ...                                  (keys holding data only, by layer, then KeyIndex)
//   end
//
// Reading is strict: anything else (a wrong header, a value out of range, a count that does
// not match, a key out of order or twice, a missing "end", trailing bytes) rejects the text.
class StateFileFormat {
public:
    static constexpr std::string_view kHeader = "VornicTamsk keyboard state 1";

    static std::string format(const KeyboardState& state);
    static std::optional<KeyboardState> parse(std::string_view text);
};
