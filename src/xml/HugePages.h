#pragma once

#include <cstddef>

// Buffers of tens of megabytes (the text and the index of a large document) are backed by
// 4 KiB pages unless asked otherwise, and every first touch of a page costs a fault: thousands
// for one document, a good part of the time it takes to build or load it. Where the system
// offers transparent huge pages on request, such buffers ask for them before they are touched.
// This is only advice: without it, or where the system declines, everything works as before.
class HugePages {
public:
    static constexpr std::size_t kSize = std::size_t{1} << 21;

    // Advises huge pages for the whole kSize blocks inside [data, data + bytes).
    static void prefer(const void* data, std::size_t bytes);
};
