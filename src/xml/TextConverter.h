#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One conversion between two encodings, named as documents name them (see EncodingTable).
class TextConverter {
public:
    std::u16string targetEncoding;
    std::u16string sourceEncoding;
    const void* source = nullptr;
    std::size_t sourceUnits = 0;   // bytes, char16_t units or char32_t units by encoding
    std::size_t targetCount = 0;   // capacity on input, result on output
    bool lossy = false;            // some character had no representation in the target
    bool truncated = false;        // the target was too small; it ends at a whole character

    TextConverter(std::u16string_view sourceEncodingName, const void* sourceData, std::size_t units);

    // Converts into target (capacity in target units) or, with target == nullptr, only counts.
    // Returns the number of target units. UTF-16 (1200) is native char16_t; UTF-32 (65005) is
    // native char32_t converted by our own code; everything else is bytes. Unknown names use
    // the system default code page. UTF-32 pairs other than with UTF-8 and UTF-16 produce
    // nothing.
    std::size_t convert(void* target, std::size_t targetCapacity, std::u16string_view targetEncodingName);

private:
    std::size_t convertUtf32(int sourcePage, int targetPage, void* target, std::size_t capacity);
    std::size_t convertBytes(int sourcePage, int targetPage, void* target, std::size_t capacity);
};
