#pragma once

#include <cstdint>

// Where a start tag ends: the offset of its ">" (-1 when the text ends first), and whether
// the tag closes an empty element ("/>").
struct XmlTagEnd {
    std::int32_t close = -1;
    bool empty = false;
};
