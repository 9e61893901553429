#pragma once

#include <optional>
#include <string>

// File names: the program speaks UTF-16, the file calls take the UTF-8 bytes of the name.
class FilePath {
public:
    // The bytes of the name; empty when it can't name a file (empty, or holding a zero).
    static std::string toNative(const std::u16string& path);

    // The name as the program speaks it; nothing when the bytes are not UTF-8 or hold a zero.
    static std::optional<std::u16string> fromNative(const std::string& bytes);
};
